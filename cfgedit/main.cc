// cfgedit: edits the QELD upgrade's settings in QELD.CFG.
#include <cstdio>
#include <cstring>

#include "cfgedit/editor.h"
#include "cfgedit/qeldcfg.h"
#include "filelib/filelib.h"

int main(int argc, char* argv[]) {
    const bool gen_defaults = argc > 1 && std::strcmp(argv[1], "--gen-defaults") == 0;
    auto record = stat_file(config_path);
    qeldcfg settings = get_qeldcfg(*record, gen_defaults);
    if (edit_settings(stdin, settings, gen_defaults) == editor_end::save) {
        save_qeldcfg(*record, settings);
    }
    close_file(std::move(record));
    return 0;
}
