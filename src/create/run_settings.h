#pragma once
// The settings the host link and the creation run read, gathered from the settings file
// at the moment of use (nothing is cached between uses).
#include <string>

#include "create/creation_run.h"
#include "host/focused_item.h"
#include "host/host_snapshot.h"
#include "settings/big_ini_file.h"

namespace kestrix {

// UpdateTreeInfo, EnterCmdInstalled, DoNotEnterDeepest, FocusTCAfterCreate and the
// invalid-character rules with every ReplaceChars key in file order ("_" when a key has
// no value line). CommanderIni, WindowsDir and AppTitle come from the caller.
CreationSettings ReadCreationSettings(TBigIniFile& settings_file);

HostMethodFlags ReadHostMethodFlags(TBigIniFile& settings_file);
// The closing writes keep what the probe found.
void WriteHostMethodFlags(TBigIniFile& settings_file, const HostMethodFlags& flags);

AffixSettings ReadAffixSettings(TBigIniFile& settings_file);

}  // namespace kestrix
