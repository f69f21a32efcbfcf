#pragma once
#include <QIcon>

// The glyphs of the Set Communication window: the small collapse (diagonal cross, 9 x 9) and
// expand (plus sign, 7 x 7) marks of the section frames, and those of OK and Cancel.
namespace SectionGlyphs {
QIcon Collapse();
QIcon Expand();
QIcon Ok();
QIcon Cancel();
} // namespace SectionGlyphs
