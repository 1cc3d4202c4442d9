// Settings the script model reads with a default of its own, for stores in
// which start-up has not written the defaults (tests, the native tools).
#pragma once

#include <cstdint>
#include <string_view>

#include "settings/settings.h"

namespace zelo {

inline int32_t ReadSettingOr(std::string_view path, int32_t default_value) {
  return SettingExists(path) ? ReadSetting(path) : default_value;
}

}  // namespace zelo
