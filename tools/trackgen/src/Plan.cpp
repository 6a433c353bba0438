#include "Plan.h"

#include <stdexcept>

namespace trackgen {
namespace {

int CountStill(const Plan& plan) {
  int n = 0;
  for (bool s : plan.still) n += s;
  return n;
}

void AddTelling(const PatternInput& in, Plan& plan) {
  const auto found = in.telling.find(plan.track);
  if (found == in.telling.end()) return;
  for (const auto& [step, p] : found->second) {
    plan.anchors[step] = p;
    const auto before = found->second.find(step - 1);
    if (before != found->second.end() && before->second == p) plan.still[step] = true;
  }
}

void AddTurns(const PatternInput& in, Plan& plan) {
  const auto found = in.turns.find(plan.track);
  if (found == in.turns.end()) return;
  for (const Turn& t : found->second) {
    for (int s = t.from; s <= t.to; ++s) plan.anchors[s] = t.at;
    for (int s = t.from + 1; s <= t.to; ++s) plan.still[s] = true;
  }
}

bool FreeForPause(const Plan& plan, int s) {
  return !plan.still[s - 1] && !plan.still[s] && !plan.still[s + 1] && !plan.anchors.count(s) &&
         !plan.anchors.count(s + 1);
}

// A pause repeats the point before it; it is kept away from the first two steps
// (that would be the repeat of the first point) and from the rest at the end.
void AddPauses(Plan& plan, int pauses, int restFrom, Rng& rng) {
  std::vector<int> free;
  for (int s = plan.first + 3; s < restFrom - 1; ++s)
    if (FreeForPause(plan, s)) free.push_back(s);
  while (pauses > 0) {
    if (free.empty()) throw std::runtime_error("no room for the pauses of a track");
    const int pick = rng.Int(0, int(free.size()) - 1);
    const int s = free[pick];
    free.erase(free.begin() + pick);
    if (!FreeForPause(plan, s)) continue;
    plan.still[s] = true;
    --pauses;
  }
}

}  // namespace

Plan MakePlan(const PatternInput& in, const ScheduleRow& row, Rng& rng) {
  Plan plan;
  plan.track = row.track;
  plan.kind = row.kind;
  plan.first = row.first;
  plan.last = row.last;
  if (row.first == 0) return plan;
  const int restFrom = row.last - row.rest + 1;
  plan.anchors[row.first] = row.start;
  plan.anchors[restFrom - 1] = row.end;
  for (int s = restFrom; s <= row.last; ++s) {
    plan.still[s] = true;
    plan.anchors[s] = row.end;
  }
  if (in.repeats.count(row.track)) {
    plan.still[row.first + 1] = true;
    plan.anchors[row.first + 1] = row.start;
  }
  AddTelling(in, plan);
  AddTurns(in, plan);
  if (const auto pins = in.pins.find(row.track); pins != in.pins.end())
    for (const auto& [step, p] : pins->second) plan.anchors[step] = p;
  const int pauses = row.still - CountStill(plan);
  if (pauses < 0)
    throw std::runtime_error("track " + std::to_string(row.track) +
                             ": its fixed points stand still too often");
  AddPauses(plan, pauses, restFrom, rng);
  return plan;
}

std::vector<int> MovingSteps(const Plan& plan, int from, int to) {
  std::vector<int> steps;
  for (int s = from; s <= to; ++s)
    if (!plan.still[s]) steps.push_back(s);
  return steps;
}

}  // namespace trackgen
