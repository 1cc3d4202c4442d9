// Fuzzes field expansion: any bytes as a field, against a small store of
// variables (some referring to themselves or each other, one kept in a
// variable file) and a fixed system context. The first byte picks the tab,
// the step and local variable mode. Checks that the result and the return
// value agree; crashes, hangs and sanitizer findings are the fuzzer's.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "expr/expand_text.h"
#include "expr/random.h"
#include "expr/read_variable.h"
#include "expr/testing/fake_substitution_context.h"
#include "expr/variable_store.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace {

void SetVar(const char* key, const char* name, std::string value) {
  zelo::StoredValue v;
  v.data = std::move(value);
  zelo::Settings().Set(zelo::SettingsRoot::CurrentUser, key, name, v);
}

zelo::FakeSubstitutionContext& Context() {
  static zelo::FakeSubstitutionContext context;
  return context;
}

void Prepare() {
  static zelo::MemorySettings store;
  zelo::UseSettings(&store);
  zelo::FakeSubstitutionContext& context = Context();
  zelo::UseSubstitutionContext(&context);
  context.environment["TEMP"] = "C:\\Temp";
  context.environment["PATH"] = "C:\\bin;C:\\more";
  context.script_files[0] = "C:\\Scripts\\fuzz.zxm";
  context.loop_counters[1] = 41;
  context.clipboard = "clip(board), text";

  const char* shared = zelo::kUserVariablesKey;
  SetVar(shared, "a", "1");
  SetVar(shared, "counter", "5");
  SetVar(shared, "self", "s%self");
  SetVar(shared, "p1", "1%p2");
  SetVar(shared, "p2", "2%p1");
  SetVar(shared, "fn", "Uppercase(%a) CALC(%counter*2)");
  SetVar(shared, "quote", "it's \"quoted\" (half");
  SetVar(shared, "empty", "");
  SetVar(shared, "pct", "%%");
  SetVar(shared, "file_loop", "C:\\data\\%a.txt");
  SetVar(shared, "big", std::string(4096, 'b') + "%a");
  SetVar("SOFTWARE\\Zelomat\\UserVariables\\5046_1", "a", "local one");

  const std::string path = "/tmp/zelo_fuzz_expand_" + std::to_string(getpid()) + ".ZELO_var";
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fputs("from the file %a %self", f);
    std::fclose(f);
  }
  SetVar(shared, "filed", path + "*");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  static bool prepared = (Prepare(), true);
  (void)prepared;
  if (size == 0) return 0;
  const uint8_t control = bytes[0];
  const std::string_view field(reinterpret_cast<const char*>(bytes) + 1, size - 1);
  zelo::WriteSettingNumber(zelo::kLocalVariablesSetting, control & 1);
  const int slot = (control >> 1) & 7;
  const int step = control >> 4;
  zelo::SeedRandom(control);

  const std::size_t n = zelo::ExpandText(field, slot, step);
  const std::string& result = zelo::ExpansionBuffer();
  if (n != (result.empty() && n == 0 ? 0 : result.size() + 1)) std::abort();
  if (n == 0 && field.find('\0') != 0 && !field.empty()) std::abort();

  // The field read as a variable name, as the failure modes read one.
  std::string text;
  zelo::ReadVariable(field.substr(0, 70), slot, step, &text, 260);
  if (text.size() > 259) std::abort();
  return 0;
}
