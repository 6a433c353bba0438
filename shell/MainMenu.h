#pragma once
// The main window's menu tree as designed: every item's name, place,
// caption, shortcut, radio group and initial check mark.

struct TMenuItemDesign {
  const char* Name;
  const char* Parent;   // nullptr: an item of the menu bar itself
  const char* Caption;  // "-" is a separator
  int ShortCut;         // modifier flag plus virtual-key code; 0 for none
  int GroupIndex;
  bool RadioItem;
  bool Checked;
};

inline constexpr int kCtrlFlag = 0x4000;
inline constexpr int kShortCutCtrlP = kCtrlFlag + 'P';  // 16464
inline constexpr int kShortCutCtrlS = kCtrlFlag + 'S';  // 16467
static_assert(kShortCutCtrlP == 16464 && kShortCutCtrlS == 16467);

// clang-format off
inline constexpr TMenuItemDesign kMainMenu1[] = {
    {"miPlayStop",  nullptr,      "あそぶ(&P)",                0,              0, false, false},
    {"miPlay",      "miPlayStop", "再生(&P)",                  kShortCutCtrlP, 0, false, false},
    {"miStop",      "miPlayStop", "停止(&S)",                  kShortCutCtrlS, 0, false, false},
    {"N1",          "miPlayStop", "-",                         0,              0, false, false},
    {"miExit",      "miPlayStop", "またねぇ～ (&X)",           0,              0, false, false},
    {"miSnowType",  nullptr,      "リクエスト(&S)",            0,              0, false, false},
    {"miCocktail",  "miSnowType", "ホワイトＸマス(&1)",        0,              1, true,  true},
    {"miUnbelieve", "miSnowType", "流星群(&2)",                0,              1, true,  false},
    {"miHatuyuki",  "miSnowType", "雪の妖精(&3)",              0,              1, true,  false},
    {"miRegular",   "miSnowType", "宅急便(&4)",                0,              1, true,  false},
    {"miTatumaki",  "miSnowType", "プレゼント(&5)",            0,              1, true,  false},
    {"N2",          "miSnowType", "-",                         0,              1, false, false},
    {"miRnd",       "miSnowType", "ランダム(&R)",              0,              1, true,  false},
    {"miMusic",     nullptr,      "選曲(&M)",                  0,              0, false, false},
    {"miKeloSong1", "miMusic",    "アカペラ(&A)",              0,              2, true,  true},
    {"miKeloSong2", "miMusic",    "ジングル(&B)",              0,              2, true,  false},
    {"Help1",       nullptr,      "おまけ(&I)",                0,              0, false, false},
    {"N3",          "Help1",      "ユキポムについて(&A)...",   0,              0, false, false},
    {"miReadMe",    "Help1",      "お読みください(&R)",        0,              0, false, false},
};
// clang-format on
