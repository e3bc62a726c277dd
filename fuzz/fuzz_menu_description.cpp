// The menu program's reader of the menu description file from arbitrary bytes: it must
// never crash or hang, and a file it accepts gives a menu within the file format's limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_check.h"
#include "model/ansi_codec.h"
#include "shell/menu_description.h"

using namespace orv;
using orv::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const shell::MenuReadResult result = shell::parseMenuDescription(AnsiToUtf8(bytes));
    if (result.status != shell::MenuReadStatus::Ok) {
        check(result.menu.entries.empty());
        return 0;
    }
    const shell::MenuDescription& menu = result.menu;
    check(menu.entries.size() <= 1000);
    check(menu.width >= 50 && menu.width <= 10000 && menu.height >= 50 && menu.height <= 10000);
    check(menu.title.alignment >= 1 && menu.title.alignment <= 3);
    check(menu.buttons.alignment >= 1 && menu.buttons.alignment <= 4);
    const auto visible = menu.visibleEntries();
    check(visible.size() <= menu.entries.size());
    for (const auto& entry : visible)
        check(entry.titleRow || !entry.hidden);
    for (std::size_t i = 0; i < menu.entries.size(); ++i)
        check(menu.entries[i].number >= 1 && menu.entries[i].number <= 1000 &&
              (i == 0 || menu.entries[i].number > menu.entries[i - 1].number));
    return 0;
}
