// answer_eval: runs the answer engine over the evaluation set and prints
// top-1 accuracy per field kind, wrong fills on fields that must get no
// answer, and calibration of the confidence.
//
//   answer_eval [--split tune|held|all] [--labels FILE] [--misses] [--salt S] [--draws N]
//               [--annotations-as-is] [--dump TEXT]
//   answer_eval --label TEXT     (prints how one label reads)
//
// "held" is the part kept aside for checking; tune on "tune" only. --draws N
// gives every field N different histories, so that a figure does not hang on
// one lucky or unlucky draw. --dump with --misses prints only the missed fields.
// The 95% intervals show how little a small group's figure says on its own.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <utility>

#include "engine/answer_engine.h"
#include "eval_set.h"

namespace {

struct Tally {
  int cases = 0;
  int right = 0;     // top-1 is a right id (answerable cases)
  int filled = 0;    // answered with confidence >= 0.4
  int filledRight = 0;
};

// The Wilson score interval (95%) of a proportion seen over n fields: how far the
// figure of a small group ("given name: 20 of 22") may lie from the engine's true rate.
// With several histories per field, n is the number of fields, not of cases, since the
// label, which decides most misses, is the same in every draw.
std::pair<double, double> wilsonInterval(double p, double n) {
  if (n <= 0.0) return {0.0, 1.0};
  const double z = 1.96;
  double centre = (p + z * z / (2.0 * n)) / (1.0 + z * z / n);
  double half = z * std::sqrt(p * (1.0 - p) / n + z * z / (4.0 * n * n)) / (1.0 + z * z / n);
  return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

}  // namespace

int main(int argc, char** argv) {
  std::string split = "held";
  std::string labels = OSKEL_EVAL_LABELS;
  bool misses = false;
  std::string salt;  // draws other histories for the same fields
  bool annotationsAsIs = false;  // keep "email" on fields that ask for a friend's address
  int draws = 1;     // histories per field: the first with the salt, then with salt + "/2", "/3", …
  std::string dump;  // print the candidates of fields whose label contains this
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--split") && i + 1 < argc) split = argv[++i];
    else if (!std::strcmp(argv[i], "--labels") && i + 1 < argc) labels = argv[++i];
    else if (!std::strcmp(argv[i], "--misses")) misses = true;
    else if (!std::strcmp(argv[i], "--salt") && i + 1 < argc) salt = argv[++i];
    else if (!std::strcmp(argv[i], "--annotations-as-is")) annotationsAsIs = true;
    else if (!std::strcmp(argv[i], "--draws") && i + 1 < argc) draws = std::max(1, std::atoi(argv[++i]));
    else if (!std::strcmp(argv[i], "--dump") && i + 1 < argc) dump = argv[++i];
    else if (!std::strcmp(argv[i], "--label") && i + 1 < argc) {
      oskel::answer::AnswerEngine probe;
      oskel::answer::FieldReading r = probe.readField({argv[++i], "AXTextField", "Firefox"});
      std::printf("%s %.2f\n", std::string(oskel::answer::fieldKindName(r.kind)).c_str(), r.certainty);
      return 0;
    }
    else {
      std::fprintf(stderr, "usage: answer_eval [--split tune|held|all] [--labels FILE] [--misses] [--salt S] [--draws N] [--annotations-as-is]\n");
      return 2;
    }
  }
  std::vector<oskel::eval::EvalCase> cases;
  for (int d = 1; d <= draws; ++d) {
    std::vector<oskel::eval::EvalCase> drawn =
        oskel::eval::buildEvalSet(labels, d == 1 ? salt : salt + "/" + std::to_string(d), annotationsAsIs);
    std::move(drawn.begin(), drawn.end(), std::back_inserter(cases));
  }
  if (cases.empty()) {
    std::fprintf(stderr, "answer_eval: cannot read %s\n", labels.c_str());
    return 1;
  }
  oskel::answer::AnswerEngine engine;
  std::map<std::string, Tally> byGroup;
  Tally noAnswer;       // fields that must not be filled (by type, or value absent)
  Tally answerable;
  int bins[5] = {};
  int binsRight[5] = {};
  int someoneElses = 0;        // fields that ask for another person's value
  int someoneElsesFilled = 0;  // ... filled with the person's own value anyway
  int lenientCases = 0;  // cases with values right only by the also-right rules
  int lenientRight = 0;  // answers counted right only by those rules
  double totalMicros = 0;
  int evaluated = 0;
  for (const oskel::eval::EvalCase& c : cases) {
    if (split == "tune" && c.heldAside) continue;
    if (split == "held" && !c.heldAside) continue;
    ++evaluated;
    auto start = std::chrono::steady_clock::now();
    oskel::answer::Answer a = engine.answer({c.label, "AXTextField", "Firefox"}, c.candidates);
    totalMicros += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    bool chose = a.chosen.has_value();
    bool right = chose && c.rightIds.count(c.candidates[*a.chosen].id) > 0;
    bool fill = chose && a.confidence >= oskel::answer::AnswerEngine::kClientThreshold;
    if (chose) {
      int bin = std::min(4, static_cast<int>(a.confidence * 5));
      ++bins[bin];
      binsRight[bin] += right;
    }
    if (!c.alsoRightIds.empty()) {
      ++lenientCases;
      lenientRight += chose && c.alsoRightIds.count(c.candidates[*a.chosen].id) > 0;
    }
    someoneElses += c.someoneElses;
    someoneElsesFilled += c.someoneElses && fill;
    Tally& t = c.rightIds.empty() ? noAnswer : byGroup[c.group];
    ++t.cases;
    t.right += c.rightIds.empty() ? !chose : right;
    t.filled += fill;
    t.filledRight += fill && right;
    if (!c.rightIds.empty()) {
      ++answerable.cases;
      answerable.right += right;
      answerable.filled += fill;
      answerable.filledRight += fill && right;
    }
    bool miss = c.rightIds.empty() ? fill : !right;
    if (!dump.empty() && c.label.find(dump) != std::string::npos && (!misses || miss)) {
      std::printf("DUMP %s (%s) chose=%s conf=%.2f\n", c.label.c_str(), c.expectedType.c_str(),
                  chose ? c.candidates[*a.chosen].text.c_str() : "-", a.confidence);
      for (const auto& cand : c.candidates) {
        std::printf("   %s %-50.50s\n", c.rightIds.count(cand.id) ? "*" : " ", cand.text.c_str());
      }
    }
    if (misses && miss) {
      // "[city, none in history]": a field whose value the history does not hold, so any fill is wrong.
      std::string group = c.rightIds.empty() && c.group != "no-answer" ? c.group + ", none in history" : c.group;
      std::printf("MISS [%s] %-40.40s kind=%-16s chose=%-30.30s conf=%.2f (%s)\n", group.c_str(), c.label.c_str(),
                  std::string(oskel::answer::fieldKindName(a.kind)).c_str(),
                  chose ? c.candidates[*a.chosen].text.c_str() : "-", a.confidence, c.person.c_str());
    }
  }
  std::printf("answer engine evaluation, split=%s, %d fields (%d histories each)\n\n", split.c_str(),
              evaluated / draws, draws);
  std::printf("%-18s %6s %9s %9s %14s   %s\n", "kind", "fields", "top-1", "filled", "fill precision",
              "top-1 95% interval");
  for (const auto& [group, t] : byGroup) {
    double top1 = t.cases ? double(t.right) / t.cases : 0.0;
    auto [low, high] = wilsonInterval(top1, double(t.cases) / draws);
    std::printf("%-18s %6d %9.3f %9.3f %14.3f   %.3f-%.3f\n", group.c_str(), t.cases, top1,
                t.cases ? double(t.filled) / t.cases : 0.0, t.filled ? double(t.filledRight) / t.filled : 1.0, low,
                high);
  }
  std::printf("%-18s %6d %9.3f %9.3f %14.3f\n", "all answerable", answerable.cases,
              double(answerable.right) / std::max(1, answerable.cases), double(answerable.filled) / std::max(1, answerable.cases),
              answerable.filled ? double(answerable.filledRight) / answerable.filled : 1.0);
  double wrongFills = double(noAnswer.filled) / std::max(1, noAnswer.cases);
  auto [wrongLow, wrongHigh] = wilsonInterval(wrongFills, double(noAnswer.cases) / draws);
  std::printf("\nno-answer fields: %d, wrong fills (confidence >= 0.4): %d = %.2f%% (95%% interval %.2f%%-%.2f%%), "
              "any candidate chosen: %.2f%%\n",
              noAnswer.cases, noAnswer.filled, 100.0 * wrongFills, 100.0 * wrongLow, 100.0 * wrongHigh,
              100.0 * (noAnswer.cases - noAnswer.right) / std::max(1, noAnswer.cases));
  std::printf("fields where the label asks for another of the person's values than annotated: %d; "
              "answers right only by that: %d\n",
              lenientCases, lenientRight);
  std::printf("fields whose label asks for another person's value, counted as no-answer fields: %d; filled: %d%s\n",
              someoneElses, someoneElsesFilled, annotationsAsIs ? " (annotations kept as they are)" : "");
  int filled = answerable.filled + noAnswer.filled;
  std::printf("precision of fills (confidence >= 0.4): %d / %d = %.3f\n\ncalibration (chosen answers):\n",
              answerable.filledRight, filled, filled ? double(answerable.filledRight) / filled : 1.0);
  for (int b = 0; b < 5; ++b) {
    std::printf("  confidence %.1f-%.1f: %5d answers, %.3f right\n", b * 0.2, b * 0.2 + 0.2, bins[b],
                bins[b] ? double(binsRight[b]) / bins[b] : 0.0);
  }
  std::printf("\nengine time: %.1f us per field on average\n", totalMicros / std::max(1, evaluated));
  return 0;
}
