#include "expr/substitution_context.h"

#include "expr/portable_substitution_context.h"

namespace zelo {

namespace {
SubstitutionContext* g_context = nullptr;
}  // namespace

SubstitutionContext& CurrentSubstitutionContext() {
  static PortableSubstitutionContext portable;
  return g_context ? *g_context : portable;
}

void UseSubstitutionContext(SubstitutionContext* context) { g_context = context; }

}  // namespace zelo
