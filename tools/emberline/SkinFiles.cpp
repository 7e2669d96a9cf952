#include "tools/emberline/SkinFiles.h"

#include <cmath>
#include <stdexcept>

#include "tools/emberline/Canvas.h"
#include "tools/emberline/MaskTable.h"
#include "tools/emberline/OptionsText.h"

namespace pakmole::emberline {

namespace {
uint8_t Channel(float v) {
    return static_cast<uint8_t>(std::lround(std::fmin(std::fmax(v, 0.0f), 1.0f) * 255.0f));
}

uint32_t Pack(float r, float g, float b) {
    return (uint32_t{Channel(r)} << 16) | (uint32_t{Channel(g)} << 8) | Channel(b);
}

// Nearly transparent samples become key pixels; partly covered ones are mixed
// with the backdrop they are drawn for.
void PutKeyed(Image24& out, int x0, int y0, const Canvas& c, uint32_t backdrop) {
    const bool hard = backdrop == kRegionCut;
    const Rgba under = Hex(hard ? 0 : backdrop);
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            Rgba p = c.At(x, y);
            if (p.a < (hard ? 0.5f : 0.08f)) {
                out.Set(x0 + x, y0 + y, kKeyColour);
                continue;
            }
            if (hard) p.a = 1;
            uint32_t rgb =
                Pack(p.r * p.a + under.r * (1 - p.a), p.g * p.a + under.g * (1 - p.a), p.b * p.a + under.b * (1 - p.a));
            if (rgb == kKeyColour) rgb = 0xFE00FF;  // never key by accident
            out.Set(x0 + x, y0 + y, rgb);
        }
}

// The image band holds the colour, the band below holds 255 - coverage:
// 0 shows the image, 255 keeps what is underneath.
void PutBanded(Image24& out, int x0, int y0, const Canvas& c) {
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            const Rgba& p = c.At(x, y);
            const uint8_t m = static_cast<uint8_t>(255 - Channel(p.a));
            if (m == 255) {
                out.Set(x0 + x, y0 + y, kKeyColour);
                out.Set(x0 + x, y0 + c.Height() + y, 0xFFFFFF);
                continue;
            }
            uint32_t rgb = Pack(p.r, p.g, p.b);
            if (rgb == kKeyColour) rgb = 0xFE00FF;
            out.Set(x0 + x, y0 + y, rgb);
            out.Set(x0 + x, y0 + c.Height() + y, (uint32_t{m} << 16) | (uint32_t{m} << 8) | m);
        }
}

void RenderPiece(Image24& out, const MaskPiece& p) {
    if (p.left < 0 || p.top < 0 || p.Right() > out.Width() || p.Bottom() > out.Height())
        throw std::logic_error(std::string("piece outside its bitmap: ") + p.section + "/" + p.key);
    if (p.maskKind > 1) throw std::logic_error("only one mask band is drawn");
    for (int state = 0; state < p.states; ++state) {
        Canvas frame(p.stateWidth, p.stateHeight);
        p.art(frame, state);
        const int x = p.left + state * p.stateWidth;
        if (p.maskKind == 0)
            PutKeyed(out, x, p.top, frame, p.backdrop);
        else
            PutBanded(out, x, p.top, frame);
    }
}
}  // namespace

Image24 RenderMaster() {
    Image24 master(kMasterWidth, kMasterHeight);
    for (const MaskPiece& p : MasterPieces()) RenderPiece(master, p);
    return master;
}

Image24 RenderButtonHuge() {
    const MaskPiece& p = ButtonHugePiece();
    Image24 image(p.Right(), p.Bottom());
    RenderPiece(image, p);
    return image;
}

std::vector<SkinFile> BuildEmberlineFiles() {
    const std::string options = BuildOptionsText();
    return {
        {"Options.dat", std::vector<unsigned char>(options.begin(), options.end())},
        {kButtonHugeFile, EncodeBmp24(RenderButtonHuge())},
        {kMasterFile, EncodeBmp24(RenderMaster())},
    };
}

}  // namespace pakmole::emberline
