#include "app/controls/font.h"

#include <string>

namespace xpx {

UniqueFont make_font(const FontDesc& desc) {
  if (desc.is_default()) return {};
  const std::wstring family(desc.family);
  // A negative height asks for the character height, not the cell height.
  return UniqueFont(CreateFontW(-desc.height, 0, 0, 0, desc.weight, FALSE, FALSE, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                PROOF_QUALITY, DEFAULT_PITCH,
                                family.empty() ? nullptr : family.c_str()));
}

}  // namespace xpx
