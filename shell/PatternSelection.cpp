#include "shell/PatternSelection.h"

#include "platform/Random.h"

void SelectPattern(TPatternSelection& selection, TPattern pattern) {
  const TPatternEntry& entry = PatternEntry(pattern);
  selection.RandomMode = false;
  selection.CurrentPattern = entry.Table;
  selection.TrackCount = entry.Count;
}

void PickRandomPattern(TPatternSelection& selection) {
  const int r = platform::Random(kPatternCount);
  SelectPattern(selection, PatternByRandomIndex(r));
  selection.RandomMode = true;
}
