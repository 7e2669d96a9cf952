#pragma once
// Mask and image records read from option values:
//   "^..." frame mask, "@..." image, "~..." texture piece (fixed positions);
//   "!FILE!frames!kind!record!l!t!r!b!flags" image file record;
//   "NAME.BMP" plain bitmap file; "...#...(l,t,r,b)(frames,kind,margin,flags)" legacy record.
#include <string>

#include "skin/data/SkinModel.h"

namespace pakmole {

class TSkinPictures;

class TsMaskRecordReader {
public:
    TsMaskRecordReader(TsSkinModel& model, TSkinPictures& pictures) : model_(model), pictures_(pictures) {}

    // Appends at most one record for the value of key in section. Fails with
    // the number-conversion error for a fixed field that is not a number, and
    // rejects a record that would divide by zero.
    void AddRecord(const std::string& section, const std::string& key, const std::string& value);

    // The common-sections overlay's records: a plain bitmap file (files only,
    // carrying just its bitmap and names) or a legacy record.
    void AddOverlayRecord(const std::string& section, const std::string& key, const std::string& value);

    // Looks for key pixels in the corners of the record's first state image.
    void AnalyseCorners(TsMaskData& record) const;

private:
    void AddFrameMask(const std::string& section, const std::string& key, const std::string& value);
    void AddImage(const std::string& section, const std::string& key, const std::string& value);
    void AddTexturePiece(const std::string& section, const std::string& key, const std::string& value);
    void AddImageFile(const std::string& section, const std::string& key, const std::string& value);
    void AddPlainBitmap(const std::string& section, const std::string& key, const std::string& value);
    void AddLegacy(const std::string& section, const std::string& key, const std::string& value);
    TsMaskData NewRecord(const std::string& section, const std::string& key) const;

    TsSkinModel& model_;
    TSkinPictures& pictures_;
};

// Integer division that rejects a record instead of dividing by zero.
int32_t RecordDivide(int32_t dividend, int32_t divisor, const TsMaskData& record);

}  // namespace pakmole
