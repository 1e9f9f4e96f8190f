// The yardstick for mapreset's speed: a program built like it that opens the
// world file in place, reads it once and writes it back once.
#include <cstdint>
#include <vector>

#include "filelib/filelib.h"

int main() {
    auto world = stat_file("VELDARA.VLK");
    open_file(*world, "r+b");
    const std::int32_t length = world->status.size;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    read_from_file(*world, bytes.data(), length);
    seek_through_file(*world, 0, seek_from_start);
    write_to_file(*world, bytes.data(), length);
    close_file(std::move(world));
    return 0;
}
