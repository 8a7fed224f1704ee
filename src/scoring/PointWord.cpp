#include "scoring/PointWord.h"

namespace courtlog {

std::optional<Attr> attrFromName(std::string_view name) {
    for (std::size_t i = 0; i < kAttrLayouts.size(); ++i) {
        if (kAttrLayouts[i].name == name) {
            return static_cast<Attr>(i);
        }
    }
    return std::nullopt;
}

}  // namespace courtlog
