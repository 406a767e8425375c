// The per-destination default data files beside the program: image files
// named destination + product tag + ".ini" (KV170-usa_019A.ini).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/config_store.h"
#include "model/session.h"

namespace kv {

struct DestinationList {
    std::vector<std::string> names;  // sorted without regard to case
    std::vector<Destination> canonical;
    std::vector<bool> found;  // per canonical destination
};

// The destinations whose files exist in the folder for the session's model.
DestinationList FindDefaultDataFiles(const std::filesystem::path& folder, int model);

// Where a program finds its data (default data files, the manual): an
// installed tree keeps them in ../share/kvprog beside its bin folder, found
// relative to the program so the tree can be moved; a build tree keeps them
// beside the program.
std::filesystem::path DataFolder(const std::filesystem::path& programFolder);

// Said at start-up when the data folder holds no default data file: which
// folders were looked in. Empty when there are default data files.
std::string MissingDataNote(const std::filesystem::path& programFolder);

// The remembered destination of a model (section "IniFilePath").
std::optional<std::string> RememberedDestination(const ConfigStore& store, int model);
void RememberDestination(ConfigStore& store, int model, const std::string& name);

// The Destination menu without its widgets: the captions and the entry that
// carries the check mark.
struct DestinationMenu {
    DestinationList list;
    std::optional<size_t> checked;
};

// Builds the menu and applies the remembered choice: loads its file, or for
// a KV170/KV150 USA entry without a file sets the variant bits only.
DestinationMenu BuildDestinationMenu(RadioSession& session, const std::filesystem::path& folder,
                                     const ConfigStore& store);

// The default data of menu entry `index` over the session's data: its file,
// or for a KV170/KV150 USA entry without a file the variant bits only. At
// start-up and on File > New, so that new data are for the destination the
// menu marks and a radio of that destination takes them.
bool LoadDestinationData(RadioSession& session, const DestinationList& list, size_t index,
                         const std::filesystem::path& folder);

// Picking menu entry `index`: loads its file. On success the entry is
// checked and remembered; on failure the check mark stays where it was and
// the caller shows "IniFileRead Error!!".
bool SelectDestination(RadioSession& session, DestinationMenu& menu, size_t index,
                       const std::filesystem::path& folder, ConfigStore& store);

// After a settings file of model 5 or 6 was opened through a model switch:
// remember the canonical destination that matches its variant and region.
void RememberLoadedDestination(const RadioSession& session, ConfigStore& store);

// The factory contents of a destination, laid over the model's defaults;
// the build writes them as the default data files.
void ApplyFactoryDefaults(RadioSession& session, const Destination& destination);

// Writes the default data files of model types 5 and 6 into the folder.
// Returns "" on success, else the failure.
std::string WriteDefaultDataFiles(const std::filesystem::path& folder);

}  // namespace kv
