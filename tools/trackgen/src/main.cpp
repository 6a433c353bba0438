// yukipom-trackgen: authors the five choreographies from the committed inputs
// and a fixed seed, writes them as C++ sources and, on request, draws them.
//
//   yukipom-trackgen --inputs DIR --out DIR [--pictures DIR --globe FILE] [--summary]
#include <QDir>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "Author.h"
#include "Inputs.h"
#include "PathPicture.h"
#include "SourceWriter.h"

namespace {

using namespace trackgen;

// The patterns in menu order, by the name of their input file.
const char* const kInputFiles[] = {"cocktail", "unbeliev", "hatuyuki", "regular", "tatumaki"};

struct Options {
  std::map<std::string, std::string> values;
  bool summary = false;
};

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--summary") {
      o.summary = true;
    } else if ((a == "--inputs" || a == "--out" || a == "--pictures" || a == "--globe") &&
               i + 1 < argc) {
      o.values[a] = argv[++i];
    } else {
      throw std::runtime_error("unknown argument " + a);
    }
  }
  if (!o.values.count("--inputs") || !o.values.count("--out"))
    throw std::runtime_error(
        "usage: yukipom-trackgen --inputs DIR --out DIR [--pictures DIR --globe FILE] "
        "[--summary]");
  return o;
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  if (!file) throw std::runtime_error(path + ": cannot be written");
}

// Move-length figures, printed while the inputs are being tuned.
void PrintSummary(const AuthoredPattern& p) {
  std::vector<double> moves;
  for (const Path& path : p.tracks)
    for (int s = 2; s <= kSteps; ++s)
      if (Visible(path[s]) && Visible(path[s - 1])) moves.push_back(Distance(path[s - 1], path[s]));
  std::sort(moves.begin(), moves.end());
  if (moves.empty()) return;
  const auto at = [&](double q) { return moves[std::size_t(q * (moves.size() - 1))]; };
  std::printf("%-10s moves %zu  median %.1f  p90 %.1f  longest %.1f\n", p.input.name.c_str(),
              moves.size(), at(0.5), at(0.9), moves.back());
}

void Run(const Options& o) {
  const std::string inputs = o.values.at("--inputs") + "/";
  std::vector<PatternInput> patterns;
  for (const char* name : kInputFiles) patterns.push_back(ReadPatternInput(inputs + name + ".txt"));
  const auto authored = AuthorAll(std::move(patterns), ReadSeed(inputs + "seed.txt"));
  QDir().mkpath(QString::fromStdString(o.values.at("--out")));
  for (const AuthoredPattern& p : authored) {
    WriteFile(o.values.at("--out") + "/" + p.input.unit + ".cpp", PatternSource(p));
    if (o.summary) PrintSummary(p);
  }
  if (!o.values.count("--pictures")) return;
  const QString folder = QString::fromStdString(o.values.at("--pictures"));
  QDir().mkpath(folder);
  const QImage globe(
      QString::fromStdString(o.values.count("--globe") ? o.values.at("--globe") : ""));
  for (const AuthoredPattern& p : authored) {
    const QString file = folder + "/" + QString::fromStdString(p.input.name) + ".png";
    if (!PatternPicture(p, globe).save(file))
      throw std::runtime_error(file.toStdString() + ": cannot be written");
  }
}

}  // namespace

int main(int argc, char** argv) {
  try {
    Run(ParseOptions(argc, argv));
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "yukipom-trackgen: %s\n", e.what());
    return 1;
  }
}
