#include "platform/text_case.h"
#include "platform/user_interface.h"

namespace orv::platform {

FontChoice ResolveFontChoice(const FontChoice& stored, const FontChoice& shown, const FontChoice& chosen)
{
    const bool standIn = !stored.name.empty() && !equalsNoCase(shown.name, stored.name);
    if (!standIn || !equalsNoCase(chosen.name, shown.name))
        return chosen;
    FontChoice kept = chosen;
    kept.name = stored.name;
    if (chosen.bold == shown.bold && chosen.italic == shown.italic) {
        kept.bold = stored.bold;
        kept.italic = stored.italic;
    }
    return kept;
}

}  // namespace orv::platform
