#pragma once
// Where every piece of Emberline lives in its bitmaps and how the options
// text announces it. The options writer and the art renderer both read this
// one table, so a record can never point at a place the art was not drawn.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/emberline/Art.h"

namespace pakmole::emberline {

enum class RecordSyntax {
    FrameMask,  // "^": nine-slice frame
    Image,      // "@": glyph painted at a point
    Texture,    // "~": tiled texture
    ImageFile,  // "!": a frame held in its own bitmap file
};

struct MaskPiece {
    const char* section;
    const char* key;
    RecordSyntax syntax;
    int left;
    int top;
    int stateWidth;   // one state image
    int stateHeight;  // one band
    int states;       // state images side by side
    int maskKind;     // 0: keyed; 1: a mask band below the image band
    int marginLeft;
    int marginTop;
    int marginRight;
    int marginBottom;
    int paintFlags;
    int defaultMargin;
    ArtFn art;
    // Antialiased edges of keyed pieces are mixed with the colour they are
    // expected to sit on; kRegionCut marks pieces whose key pixels shape a
    // window's region, which have no backdrop and are cut hard.
    uint32_t backdrop;

    int Right() const { return left + stateWidth * states; }
    int Bottom() const { return top + stateHeight * (maskKind + 1); }
};

inline constexpr uint32_t kRegionCut = 0xFFFFFFFF;

inline constexpr int kMasterWidth = 713;
inline constexpr int kMasterHeight = 397;
inline constexpr const char* kMasterFile = "Master.bmp";
inline constexpr const char* kButtonHugeFile = "ButtonHuge.bmp";

// Pieces cut from the master bitmap, in the order their keys are written.
const std::vector<MaskPiece>& MasterPieces();
// The piece that fills ButtonHuge.bmp on its own.
const MaskPiece& ButtonHugePiece();

// The value of the piece's key in the options text.
std::string RecordText(const MaskPiece& piece);

}  // namespace pakmole::emberline
