#include "shell/MainMenu.h"

#include "shell/uKalvo.h"

// clang-format off
std::span<const TMenuItemDesign> TfmKalvo::MenuDesign() {
  using K = TfmKalvo;
  using P = TPattern;
  static constexpr TMenuItemDesign kMainMenu1[] = {
      // name         parent        caption                     shortcut        group radio  checked field            command               pattern
      {"miPlayStop",  nullptr,      "あそぶ(&P)",                0,              0, false, false, nullptr,          nullptr,              {}},
      {"miPlay",      "miPlayStop", "再生(&P)",                  kShortCutCtrlP, 0, false, false, nullptr,          &K::miPlayClick,      {}},
      {"miStop",      "miPlayStop", "停止(&S)",                  kShortCutCtrlS, 0, false, false, nullptr,          &K::miStopClick,      {}},
      {"N1",          "miPlayStop", "-",                         0,              0, false, false, nullptr,          nullptr,              {}},
      {"miExit",      "miPlayStop", "またねぇ～ (&X)",           0,              0, false, false, nullptr,          &K::miExitClick,      {}},
      {"miSnowType",  nullptr,      "リクエスト(&S)",            0,              0, false, false, &K::miSnowType,   nullptr,              {}},
      {"miCocktail",  "miSnowType", "ホワイトＸマス(&1)",        0,              1, true,  true,  &K::miCocktail,   &K::miCocktailClick,  P::Cocktail},
      {"miUnbelieve", "miSnowType", "流星群(&2)",                0,              1, true,  false, &K::miUnbelieve,  &K::miUnbelieveClick, P::Unbelieve},
      {"miHatuyuki",  "miSnowType", "雪の妖精(&3)",              0,              1, true,  false, &K::miHatuyuki,   &K::miHatuyukiClick,  P::Hatuyuki},
      {"miRegular",   "miSnowType", "宅急便(&4)",                0,              1, true,  false, &K::miRegular,    &K::miRegularClick,   P::Regular},
      {"miTatumaki",  "miSnowType", "プレゼント(&5)",            0,              1, true,  false, &K::miTatumaki,   &K::miTatumakiClick,  P::Tatumaki},
      {"N2",          "miSnowType", "-",                         0,              1, false, false, nullptr,          nullptr,              {}},
      {"miRnd",       "miSnowType", "ランダム(&R)",              0,              1, true,  false, &K::miRnd,        &K::miRndClick,       {}},
      {"miMusic",     nullptr,      "選曲(&M)",                  0,              0, false, false, &K::miMusic,      nullptr,              {}},
      {"miKeloSong1", "miMusic",    "アカペラ(&A)",              0,              2, true,  true,  &K::miKeloSong1,  &K::miKeloSong1Click, {}},
      {"miKeloSong2", "miMusic",    "ジングル(&B)",              0,              2, true,  false, &K::miKeloSong2,  &K::miKeloSong2Click, {}},
      {"Help1",       nullptr,      "おまけ(&I)",                0,              0, false, false, nullptr,          nullptr,              {}},
      {"N3",          "Help1",      "ユキポムについて(&A)...",   0,              0, false, false, nullptr,          &K::N3Click,          {}},
      {"miReadMe",    "Help1",      "お読みください(&R)",        0,              0, false, false, &K::miReadMe,     &K::miReadMeClick,    {}},
  };
  static_assert(ParentsAreTheirBarItems(kMainMenu1));
  static_assert(EachPatternHasOneItem(kMainMenu1));
  return kMainMenu1;
}
// clang-format on
