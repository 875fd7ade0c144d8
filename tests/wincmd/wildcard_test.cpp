#include "platform/posix/wincmd/wildcard.h"

#include <gtest/gtest.h>

namespace {

using wincmd::MatchesMask;
using wincmd::RenameTarget;

TEST(MatchesMask, SelectsNamesAsTheWindowsFileSearchDoes) {
  struct Case {
    const char* mask;
    const char* name;
    bool selected;
  } cases[] = {
      {"*.agn", "a.agn", true},
      {"*.agn", "A.AGN", true},
      {"*.agn", "agn", false},
      {"*.agn", "x.agn.bak", false},
      {"*.agn", ".agn", true},
      {"*.bgl", "stem.a.bgl", true},
      {"*.bgl", "x.bgl_off", false},  // long names only: no 8.3 short-name match
      {"*.bg_", "x.bg_", true},
      {"*", "file", true},
      {"*", ".hidden", true},
      {"*.*", "file", true},
      {"*.*", "a.b.c", true},
      {"x*.*", "xyz", true},
      {"x*.*", "xy.z", true},
      {"x*.*", "yx.z", false},
      {"*.", "abc", true},  // "*." selects names without an extension
      {"*.", "a.b", false},
      {"DemoAirfield_lights*.bgl", "DemoAirfield_lights.bgl", true},
      {"DemoAirfield_lights*.bgl", "demoairfield_LIGHTS_apron.BGL", true},
      {"DemoAirfield_lights*.bgl", "DemoAirfield_base.bgl", false},
      {"*_off", "my_scenery.bgl_off", true},
      {"*_off", "my_scenery.bgl", false},
      {"x?.bgl", "x1.bgl", true},
      {"x?.bgl", "x.bgl", true},  // "?" takes nothing at a dot
      {"x?.bgl", "x12.bgl", false},
      {"a?c", "abc", true},
      {"a?c", "ac", false},  // ... but takes a character elsewhere
      {"a?c", "a.c", false},  // and never a dot
      {"file.bg?", "file.bg", true},  // nothing at the end
      {"file.bg?", "file.bgl", true},
      {"exact.bgl", "EXACT.bgl", true},
      {"exact.bgl", "exact.bglx", false},
      {"caf\xe9*", "CAF\xe9.bgl", true},  // ASCII letters fold, other bytes compare exactly
      {"caf\xe9*", "caf\xc9.bgl", false},
      {"a&b (1)*.flt", "a&b (1) copy.flt", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchesMask(c.mask, c.name), c.selected) << c.mask << " vs " << c.name;
  }
}

TEST(RenameTarget, BuildsNewNamesByTheRenameRules) {
  struct Case {
    const char* name;
    const char* mask;
    const char* result;
  } cases[] = {
      // The reference table of the rename rules.
      {"a.agn", "*.ag_", "a.ag_"},
      {"stem.a.bgl", "*.bg_", "stem.a.bg_"},
      {"x1.bgl_off", "*.bgl", "x1.bgl"},
      {"x.bgl", "*.bgl_off", "x.bgl_off"},
      {"file", "*.bg_", "file.bg_"},
      {"my_scenery.bgl", "*_off", "my_off"},
      // More of the rules.
      {"a.ag_", "*.agn", "a.agn"},
      {"x.bgl", "*.bgl", "x.bgl"},
      {"name", "*", "name"},
      {"a.txt", "???.xyz", "a.xyz"},  // "?" copies nothing at a dot
      {"abc.txt", "?x?.*", "axc.txt"},
      {"name.txt", "new.doc", "new.doc"},
      {"longname.txt", "ab.txt", "ab.txt"},  // "." skips the source past its dot
      {"a.b.c", "*.x", "a.b.x"},
      {"abc", "*.", "abc"},  // trailing dots are trimmed
      {"a.b", "*?", "a.b"},
      {"x.bgl", "*X", "x.bglX"},  // "*c" is case-sensitive: no "X" in the name
      {"report.final.doc", "*.", "report.final"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RenameTarget(c.name, c.mask).value_or("<none>"), c.result)
        << c.name << " under " << c.mask;
  }
}

TEST(RenameTarget, GivesNothingForAnEmptyName) {
  EXPECT_FALSE(RenameTarget("abc", "."));
  EXPECT_FALSE(RenameTarget("abc", "..."));
}

}  // namespace
