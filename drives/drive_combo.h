#pragma once
// The drive letters offered in the Network Drive combo box, worked out apart from the window:
// the texts in the order they are added and the index to select (-1 for none).

#include <string>
#include <vector>

struct DriveComboItems {
  std::vector<std::string> texts;
  int selectedIndex;
};

// Lists every letter from D: on that is neither fixed, CD-ROM, RAM disk nor removable, as the
// letter alone or, when mapped, as "G: \\server\share"; selects the first one not mapped.
// Asks the active drive system for the type of every letter, A: to Z:, and reads
// MappedDriveTable (refreshed by the caller just before).
DriveComboItems ComputeDriveComboItems();
