// The waits' window lookup: the lookup by title that the window steps use,
// over the program's desktop.
#pragma once

#include "actions/wait/wait_services.h"

namespace zelo {

class StepWindowFinder : public WindowFinder {
 public:
  WindowLookup FindByTitle(std::string_view title) override;
};

}  // namespace zelo
