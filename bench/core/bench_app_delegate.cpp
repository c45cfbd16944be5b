// Application controller benchmarks:
//  - the keyboard tap callback for a key that is none of the four it acts on (it sits in
//    the path of every key press: target well under a microsecond);
//  - handleSmartPaste() with a ready answer, with 100 and with 100,000 clips in the
//    history: the cost must not grow with the history (target ratio <= 1.5).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>

#include "app/app_delegate.h"
#include "base/files.h"
#include "base/manual_main_queue.h"
#include "history/history_file.h"
#include "history/image_intake.h"

namespace {

using namespace oskel;

class Element : public AccessibilityElement {
 public:
  bool isSameElement(const AccessibilityElement& other) const override { return &other == this; }
};

// One focused, editable text field titled "Email".
class OneFieldAccessibility : public Accessibility {
 public:
  ElementRef field = std::make_shared<Element>();
  ElementRef root = std::make_shared<Element>();
  ElementRef systemWideElement() override { return root; }
  ElementRef frontmostApplicationElement() override { return nullptr; }
  std::optional<AXValue> attributeValue(const ElementRef& element, const std::string& attribute) override {
    if (element == root) return attribute == "AXFocusedUIElement" ? std::optional<AXValue>(field) : std::nullopt;
    if (attribute == "AXRole") return AXValue(std::string("AXTextField"));
    if (attribute == "AXTitle") return AXValue(std::string("Email"));
    if (attribute == "AXPosition") return AXValue(AXPoint{1, 2});
    if (attribute == "AXSize") return AXValue(AXSize{3, 4});
    return std::nullopt;
  }
  std::optional<bool> isAttributeSettable(const ElementRef&, const std::string&) override { return true; }
  bool setAttributeValue(const ElementRef&, const std::string&, const std::string&) override { return true; }
};

class NullDefaults : public Defaults {
 public:
  std::optional<std::string> string(const std::string&) const override { return std::nullopt; }
  bool boolean(const std::string& key) const override { return key == "oskel.hasShownFirstLaunchUI"; }
  void setString(const std::string&, const std::string&) override {}
  void setBoolean(const std::string&, bool) override {}
  void remove(const std::string&) override {}
};

class QuietPasteboard : public Pasteboard {
 public:
  std::int64_t changeCount() const override { return 1; }
  std::vector<std::string> types() const override { return {}; }
  std::optional<std::string> data(std::string_view) const override { return std::nullopt; }
  std::optional<std::string> otherImageData() const override { return std::nullopt; }
  std::optional<std::string> string() const override { return std::nullopt; }
  std::vector<PasteboardItem> items() const override { return {}; }
  bool clearContents() override { return true; }
  bool writeString(std::string_view) override { return true; }
  bool writeImage(std::string_view) override { return true; }
  bool writeItems(const std::vector<PasteboardItem>&) override { return true; }
  std::int64_t ownContentFetchCount() const override { return 0; }
};

class NullWorkspace : public Workspace {
 public:
  std::optional<FrontmostApplication> frontmostApplication() const override {
    return FrontmostApplication{std::string("Mail"), 1, 1};
  }
  bool activate(const FrontmostApplication&) override { return true; }
  bool openURL(const std::string&) override { return true; }
};

class Granted : public Permissions {
 public:
  bool isAccessibilityTrusted() const override { return true; }
  bool isInputMonitoringAllowed() const override { return true; }
  void requestAccessibility() override {}
  void requestInputMonitoring() override {}
};

class NullTap : public KeyboardTap {
 public:
  bool install(Callback) override { return true; }
};
class NullSynthesizer : public KeySynthesizer {
 public:
  bool postKey(KeyCode, bool, ModifierFlags) override { return true; }
};
class NullDialogs : public Dialogs {
 public:
  std::optional<int> runAlert(const AlertRequest&) override { return std::nullopt; }
  std::optional<std::string> runSecretField(const SecretFieldRequest&) override { return std::nullopt; }
  void beep() override {}
};
class NullShell : public ApplicationShell {
 public:
  void setActivationPolicy(ActivationPolicy) override {}
  MonitorToken addGlobalLeftMouseDownMonitor(std::function<void()>) override { return 1; }
  void removeMonitor(MonitorToken) override {}
  std::unique_ptr<WelcomeWindow> makeWelcomeWindow() override { return nullptr; }
  std::unique_ptr<PermissionWindow> makePermissionWindow() override { return nullptr; }
  void terminate() override {}
};
class NullTimeline : public TimelineWindow {
 public:
  void show() override {}
  void hide() override {}
  bool isVisible() const override { return false; }
  void setRankedTexts(std::vector<std::string>) override {}
  void reload() override {}
  void setOnPaste(PasteHandler) override {}
};
class NullCodec : public ImageCodec {
 public:
  std::optional<std::vector<PixelSize>> sizes(std::string_view) const override { return std::nullopt; }
  std::optional<std::string> renderPng(std::string_view, std::size_t, PixelSize) const override {
    return std::nullopt;
  }
  std::shared_ptr<const Image> decode(std::string) const override { return nullptr; }
};
class NullKeychain : public Keychain {
 public:
  KeychainItem read(const std::string&, const std::string&) override { return {KeychainStatus::itemNotFound, {}}; }
  KeychainStatus update(const std::string&, const std::string&, const std::string&) override {
    return KeychainStatus::failure;
  }
  KeychainStatus add(const std::string&, const std::string&, const std::string&) override {
    return KeychainStatus::failure;
  }
  KeychainStatus remove(const std::string&, const std::string&) override { return KeychainStatus::itemNotFound; }
};
// Answers every request at once with a confident match.
class ReadySource : public SuggestionSource {
 public:
  std::vector<CandidateValue> candidateValues(const std::vector<Clip>& clips) override {
    return clips.empty() ? std::vector<CandidateValue>{}
                         : std::vector<CandidateValue>{CandidateValue{"c0", clips[0].text, "Editor", ""}};
  }
  void suggest(const FieldContext&, const std::vector<CandidateValue>& values, Completion completion) override {
    Clip clip;
    clip.text = values[0].text;
    completion(SuggestionOutcome::match(clip, 0.9, {}));
  }
};

struct World {
  explicit World(std::size_t clips) : dir(makeDir()) {
    std::vector<Clip> history;
    for (std::size_t i = 0; i < clips; ++i) {
      history.push_back(Clip{Uuid::random(), "person" + std::to_string(i) + "@example.com", "Editor",
                             700000000.0 + static_cast<double>(i), {}, {}, {}, std::nullopt});
    }
    files::writeAtomically(dir / "clips.json", history_file::encode(history));
    store = std::make_unique<MemoryStore>(MemoryStore::Options{DataPaths::in(dir), &center});
    intake = std::make_unique<ImageIntake>(*store, codec);
    watcher = std::make_unique<ClipboardWatcher>(
        ClipboardWatcher::Dependencies{pasteboard, workspace, defaults, queue, *store, *intake});
    app = AppDelegate::create(AppDelegate::Dependencies{
        queue, defaults, environment, pasteboard, workspace, ax, permissions, tap, synthesizer, dialogs, shell,
        timeline, *store, *watcher, source, keychain, center, log, [] {},
        [](const Clip&) -> std::optional<std::string> { return std::nullopt; }});
  }
  ~World() {
    app.reset();
    watcher.reset();
    intake.reset();
    store.reset();
    std::filesystem::remove_all(dir);
  }
  static std::filesystem::path makeDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "oskel-bench-XXXXXX").string();
    return ::mkdtemp(pattern.data());
  }

  std::filesystem::path dir;
  NotificationCenter center;
  ManualMainQueue queue;
  NullDefaults defaults;
  MapEnvironment environment;
  QuietPasteboard pasteboard;
  NullWorkspace workspace;
  OneFieldAccessibility ax;
  Granted permissions;
  NullTap tap;
  NullSynthesizer synthesizer;
  NullDialogs dialogs;
  NullShell shell;
  NullTimeline timeline;
  NullCodec codec;
  NullKeychain keychainStore;
  DravinorKeychain keychain{keychainStore, environment};
  ReadySource source;
  Log log{dir / "Oskel.log"};
  std::unique_ptr<MemoryStore> store;
  std::unique_ptr<ImageIntake> intake;
  std::unique_ptr<ClipboardWatcher> watcher;
  std::shared_ptr<AppDelegate> app;
};

void BM_KeyCallbackOtherKey(benchmark::State& state) {
  World world(100);
  KeyCode key = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(world.app->handleKey(key, modifiers::kCommand));
    key = (key + 1) % 8;  // a..., none of V, J, Tab, Escape
  }
}
BENCHMARK(BM_KeyCallbackOtherKey);

void BM_HandleSmartPasteReady(benchmark::State& state) {
  World world(static_cast<std::size_t>(state.range(0)));
  auto field = FieldObserver(world.ax, [] { return std::optional<std::string>("Mail"); }).current();
  for (auto _ : state) {
    state.PauseTiming();
    world.app->beginSuggestion(*field, false);  // the prefetch: its answer is ready at once
    state.ResumeTiming();
    benchmark::DoNotOptimize(world.app->handleSmartPaste());
  }
  if (world.app->suggestion()) state.SkipWithError("the ready answer was not used");
}
BENCHMARK(BM_HandleSmartPasteReady)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
