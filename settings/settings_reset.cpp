#include "settings/settings_reset.h"

namespace zelo {

bool ResetAllSettings(const AskQuestion& ask, const ShowNotice& tell, const DefaultsContext& context) {
  if (!ask || !ask(kResetSettingsQuestion)) return false;
  // Failed writes are not reported: the registry gives no message anywhere else either.
  WriteSettingDefaults(true, context);
  if (tell) tell(kResetSettingsDone);
  return true;
}

}  // namespace zelo
