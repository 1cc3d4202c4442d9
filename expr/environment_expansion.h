// The system's environment-string expansion: the name of every defined
// environment variable written between two "%" becomes its value; anything
// else stays as written, and the closing "%" of an undefined name may open
// the next one.
#pragma once

#include <string>

#include "expr/substitution_context.h"

namespace zelo {

void ExpandEnvironmentReferences(std::string& text, SubstitutionContext& context);

}  // namespace zelo
