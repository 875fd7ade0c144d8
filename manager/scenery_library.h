// The library-file form of the activation operations: the scan of a simulator's scenery
// library ("scenery.cfg") for the product's area, the choice of a number for a new area,
// and the area written for the product.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ini_document.h"
#include "platform/ini_file.h"

namespace manager {

// The result of the last library scan, kept for the whole program.
struct AreaScan {
  int32_t HighestArea = 0;   // highest scanned area number that has a title; 0 when none
  int32_t HighestLayer = 0;  // highest "layer" among the same areas; 0 when none or lower
  bool Found = false;        // an area titled with the product's title was found
  int32_t FoundArea = 0;     // its number; kept from an earlier scan when not found
};

// The numbers the scan reads: Area.000 to Area.499.
inline constexpr int32_t kScannedAreas = 500;

// "Area." followed by `number` (not negative) with at least three digits, zero-padded:
// Area.007.
std::string AreaSectionName(int32_t number);

// Reads areas 000 to 499 in order. An area counts when its "title" is present and is not
// "???": it raises HighestArea and HighestLayer (its "layer" read as a number, 0 when
// missing or not a number). The first area whose title equals `title` exactly (case
// included) sets Found and FoundArea and ends the scan. HighestArea, HighestLayer and
// Found are reset first. Returns Found.
bool ScanAreas(const platform::IniDocument& library, const std::string& title, AreaScan& scan);

// The number for the product's new area, after a scan that did not find it. Never one that
// a section of the library already uses: a section "Area." + digits uses the number those
// digits give, whatever their count and letter case of the name, titled or not.
//   1. HighestArea + 1, or the next number above it that no section uses, when that is
//      still below 500, so that the next scan finds the product;
//   2. otherwise the lowest number from 1 up that no section uses, below 500;
//   3. otherwise (every number up to 499 in use) the next number above 499 that no
//      section uses; the scan will not see the product there.
int32_t ChooseNewArea(const platform::IniDocument& library, const AreaScan& scan);

// Adds the product's area `area` with the keys Title, Local (the product folder, ending
// with "\"), Active, Layer and Required, in this order, in memory; the caller writes the
// file.
void AddProductArea(platform::IniFile& library, int32_t area, int32_t layer,
                    const std::string& title, const std::string& app_dir);

}  // namespace manager
