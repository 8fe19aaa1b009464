#include "drive_combo.h"

#include "drive_system.h"
#include "mapped_drive_table.h"

namespace {

// A:, B: and C: are the floppy and system letters and are never offered, whatever their type.
constexpr int kFirstOfferedIndex = 3;

}  // namespace

DriveComboItems ComputeDriveComboItems() {
  DriveSystem& system = ActiveDriveSystem();
  DriveComboItems items{{}, -1};
  for (int index = 0; index < kDriveLetterCount; ++index) {
    const MappedDriveEntry& entry = MappedDriveTable[index];
    // The letter comes from the position, not from the entry's drive text, so a table that
    // was never refreshed still gives the right letters.
    const std::string drive{static_cast<char>('A' + index), ':'};
    const uint32_t driveType = system.QueryDriveType(drive.c_str());
    if (index < kFirstOfferedIndex || IsLocalMedium(driveType)) continue;
    if (IsMapped(entry)) {
      items.texts.push_back(drive + " \\\\" + entry.server + "\\" + entry.share);
    } else {
      if (items.selectedIndex < 0) items.selectedIndex = static_cast<int>(items.texts.size());
      items.texts.push_back(drive);
    }
  }
  return items;
}
