// A fixture for tests of field expansion and result saving: a fresh
// in-memory settings store, a FakeSubstitutionContext, a seeded random
// source, and a scratch folder that stands for the program's folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "expr/expand_text.h"
#include "expr/random.h"
#include "expr/testing/fake_substitution_context.h"
#include "expr/variable_store.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {

class ExpansionTest : public ::testing::Test {
 protected:
  ExpansionTest() {
    UseSettings(&store);
    UseSubstitutionContext(&context);
    SeedRandom(1);
  }
  ~ExpansionTest() override {
    UseSubstitutionContext(nullptr);
    UseSettings(nullptr);
    if (!scratch_.empty()) {
      std::error_code ec;
      std::filesystem::remove_all(scratch_, ec);
    }
  }

  // ExpandText of field for slot and step, as a copy of the buffer.
  std::string Expand(std::string_view field, int slot = 0, int step = 0) {
    ExpandText(field, slot, step);
    return ExpansionBuffer();
  }

  void SetVar(std::string_view name, std::string_view value, std::string_view key = kUserVariablesKey) {
    StoredValue v;
    v.data = std::string(value);
    store.Set(SettingsRoot::CurrentUser, key, name, v);
  }
  void SetNumberVar(std::string_view name, uint32_t number) {
    StoredValue v;
    v.kind = ValueKind::Dword;
    v.number = number;
    store.Set(SettingsRoot::CurrentUser, kUserVariablesKey, name, v);
  }
  std::string GetVar(std::string_view name, std::string_view key = kUserVariablesKey) {
    std::string text;
    ReadStoredVariable(key, name, &text);
    return text;
  }
  bool HasVar(std::string_view name, std::string_view key = kUserVariablesKey) {
    return store.Get(SettingsRoot::CurrentUser, key, name, nullptr);
  }

  // A fresh folder used as the program's folder (variable files go there).
  std::string UseScratchProgramFolder() {
    if (scratch_.empty()) {
      const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
      scratch_ = std::filesystem::temp_directory_path() /
                 (std::string("zelo_expr_") + info->test_suite_name() + "_" + info->name());
      std::filesystem::remove_all(scratch_);
      std::filesystem::create_directories(scratch_);
    }
    context.program_folder = scratch_.string();
    return context.program_folder;
  }
  std::string ScratchPath(std::string_view name) { return (scratch_ / std::string(name)).string(); }

  MemorySettings store;
  FakeSubstitutionContext context;

 private:
  std::filesystem::path scratch_;
};

}  // namespace zelo
