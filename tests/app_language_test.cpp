#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "app/ui_language.h"

namespace morvane::app {
namespace {

TEST(UiLanguageTest, LocaleVariablesInOrderAndTheNameAfterOurs) {
  using Environment = std::map<std::string, std::string>;
  const std::tuple<Environment, const char*, Language> cases[] = {
      // The first of LC_ALL, LC_MESSAGES, LANG that is set and not empty decides.
      {{{"LANG", "ja_JP.UTF-8"}}, "/usr/bin/morvane", Language::Japanese},
      {{{"LANG", "ja"}}, "morvane", Language::Japanese},
      {{{"LANG", "en_US.UTF-8"}}, "/usr/bin/morvane", Language::English},
      {{}, "/usr/bin/morvane", Language::English},
      {{{"LC_ALL", "C"}, {"LANG", "ja_JP.UTF-8"}}, "morvane", Language::English},
      {{{"LC_ALL", ""}, {"LC_MESSAGES", "ja_JP.UTF-8"}, {"LANG", "C"}}, "morvane", Language::Japanese},
      {{{"LC_MESSAGES", ""}, {"LANG", "ja_JP.eucJP"}}, "morvane", Language::Japanese},
      {{{"LC_MESSAGES", "de_DE"}, {"LANG", "ja_JP"}}, "morvane", Language::English},
      // Our own name ends in "e" and still follows the locale, with or without
      // an extension, in any letter case.
      {{{"LANG", "ja_JP.UTF-8"}}, "/opt/Morvane.AppImage", Language::Japanese},
      {{{"LANG", "ja_JP.UTF-8"}}, "./MORVANE", Language::Japanese},
      // A copy or link whose name adds an "e" after ours is English.
      {{{"LANG", "ja_JP.UTF-8"}}, "/usr/local/bin/morvanee", Language::English},
      {{{"LANG", "ja_JP.UTF-8"}}, "MorvaneE", Language::English},
      {{{"LANG", "ja_JP.UTF-8"}}, "/home/k/morvane-englishe.bin", Language::English},
      {{{"LANG", "ja_JP.UTF-8"}}, "/home/k/morvane-2", Language::Japanese},
      // A dot in a folder name is no extension.
      {{{"LANG", "ja_JP.UTF-8"}}, "/home/k.e/morvane", Language::Japanese},
      // Names without ours are judged whole.
      {{{"LANG", "ja_JP.UTF-8"}}, "/usr/bin/linke.exe", Language::English},
      {{{"LANG", "ja_JP.UTF-8"}}, "/usr/bin/link", Language::Japanese},
  };
  for (const auto& [environment, executable, expected] : cases) {
    const auto lookup = [&](const char* name) {
      const auto found = environment.find(name);
      return found == environment.end() ? nullptr : found->second.c_str();
    };
    EXPECT_EQ(ChooseUiLanguage(lookup, executable), expected) << executable;
  }
}

}  // namespace
}  // namespace morvane::app
