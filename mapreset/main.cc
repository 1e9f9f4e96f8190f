// mapreset: clears the party and resets the world map so that a new party
// can be started.
#include <cstdio>
#include <cstring>

#include "filelib/filelib.h"
#include "mapreset/game_layout.h"
#include "mapreset/reset.h"

int main(int argc, char* argv[]) {
    verbose = argc == 2 && std::strcmp(argv[1], "-d") == 0;

    trace("Opening file %s\n", party_path);
    auto party = stat_file(party_path);
    open_file(*party, update_mode);
    if (party_member_count(*party) != 0) {
        std::printf("You must disperse the party before resetting the game.\n");
        close_file(std::move(party));
        return 0;
    }
    trace("Clearing contents of party file\n");
    clear_party_file(*party);

    trace("Opening file %s\n", world_path);
    auto world = stat_file(world_path);
    open_file(*world, update_mode);
    reset_world(*world);
    close_file(std::move(world));

    std::printf("Game map reset.  Start Tessaroth and form a new party.\n");
    close_file(std::move(party));
    return 0;
}
