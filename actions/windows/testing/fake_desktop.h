// A made-up desktop for the lookup and the window steps: windows with their
// texts, classes, IDs and frames in a tree, and a platform that records what
// the steps do to them.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "actions/windows/window_platform.h"
#include "actions/windows/window_tree.h"

namespace zelo::test {

struct MadeUpWindow {
  std::string text;
  std::string class_name = "Button";
  int64_t id = 0;
  int64_t user_data = 0;
  WindowHandle parent = 0;  // parent, or owner of a top-level window
  bool child = false;       // a child window (else top-level, perhaps owned)
  bool framed = true;
  bool hung = false;        // never answers: reads as no text
};

class FakeWindowTree : public WindowTree {
 public:
  // Adds a top-level window (owned when owner is given).
  MadeUpWindow& Top(WindowHandle h, std::string text, WindowHandle owner = 0) {
    MadeUpWindow& w = Put(h);
    w.text = std::move(text);
    w.class_name = "Frame";
    w.parent = owner;
    order_.push_back(h);
    return w;
  }
  // Adds a child control under parent.
  MadeUpWindow& Child(WindowHandle h, WindowHandle parent, std::string text, std::string class_name = "Button",
                    int64_t id = 0) {
    MadeUpWindow& w = Put(h);
    w.text = std::move(text);
    w.class_name = std::move(class_name);
    w.id = id;
    w.parent = parent;
    w.child = true;
    w.framed = false;
    children_[parent].push_back(h);
    return w;
  }
  MadeUpWindow& operator[](WindowHandle h) { return windows_.at(h); }
  void Remove(WindowHandle h) { windows_.erase(h); }

  std::vector<WindowHandle> TopLevelWindows() override {
    ++enumerations;
    std::vector<WindowHandle> out;
    for (WindowHandle h : order_)
      if (windows_.count(h)) out.push_back(h);
    return out;
  }
  std::vector<WindowHandle> Descendants(WindowHandle window) override {
    std::vector<WindowHandle> out;
    AddDescendants(window, &out);
    return out;
  }
  std::string Text(WindowHandle window) override {
    ++text_reads[window];
    const MadeUpWindow* w = Find(window);
    return w && !w->hung ? w->text.substr(0, 255) : std::string();
  }
  std::string ClassName(WindowHandle window) override {
    const MadeUpWindow* w = Find(window);
    return w ? w->class_name.substr(0, 63) : std::string();
  }
  int64_t Id(WindowHandle window) override { return Find(window) ? Find(window)->id : 0; }
  int64_t UserData(WindowHandle window) override { return Find(window) ? Find(window)->user_data : 0; }
  WindowHandle Parent(WindowHandle window) override { return Find(window) ? Find(window)->parent : 0; }
  bool IsFramed(WindowHandle window) override { return Find(window) && Find(window)->framed; }
  bool IsTopLevel(WindowHandle window) override { return Find(window) && Find(window)->parent == 0; }
  bool Exists(WindowHandle window) override { return Find(window) != nullptr; }
  WindowHandle FindTopLevel(std::string_view title, std::string_view class_name) override {
    for (WindowHandle h : order_) {
      const MadeUpWindow* w = Find(h);
      if (!w || w->hung) continue;
      if (!title.empty() && w->text == title) return h;
      if (!class_name.empty() && w->class_name == class_name) return h;
    }
    return 0;
  }

  int enumerations = 0;
  std::map<WindowHandle, int> text_reads;

 private:
  MadeUpWindow& Put(WindowHandle h) { return windows_[h] = MadeUpWindow(); }
  const MadeUpWindow* Find(WindowHandle h) const {
    auto it = windows_.find(h);
    return it == windows_.end() ? nullptr : &it->second;
  }
  void AddDescendants(WindowHandle window, std::vector<WindowHandle>* out) {
    auto it = children_.find(window);
    if (it == children_.end()) return;
    for (WindowHandle c : it->second) {
      if (!windows_.count(c)) continue;
      out->push_back(c);
      AddDescendants(c, out);
    }
  }

  std::map<WindowHandle, MadeUpWindow> windows_;
  std::vector<WindowHandle> order_;
  std::map<WindowHandle, std::vector<WindowHandle>> children_;
};

// Records each effect as a line ("close 7", "move 7 0,0"); closing follows
// the windows' made-up behaviour.
class FakeWindowPlatform : public WindowPlatform {
 public:
  explicit FakeWindowPlatform(FakeWindowTree& tree) : tree_(tree) {}

  // How the windows take a close request.
  enum class OnClose { Close, Ignore, AskQuestion, Hang };
  std::map<WindowHandle, OnClose> on_close;
  std::map<WindowHandle, bool> checked;
  std::vector<std::string> calls;
  uint32_t slept_ms = 0;

  std::map<WindowHandle, WindowBox> boxes;
  WindowHandle foreground = 0;
  bool Box(WindowHandle w, WindowBox* box) override {
    if (!tree_.Exists(w) || !boxes.count(w)) return false;
    *box = boxes[w];
    return true;
  }
  bool IsVisible(WindowHandle w) override { return tree_.Exists(w) && tree_[w].framed; }
  WindowHandle Foreground() override { return foreground; }
  bool Exists(WindowHandle w) override { return tree_.Exists(w); }
  bool AsksQuestion(WindowHandle w) override { return asking_.count(w) != 0; }
  CloseAnswer SendClose(WindowHandle w, uint32_t timeout_ms) override {
    calls.push_back("send close " + std::to_string(w) + " " + std::to_string(timeout_ms));
    switch (Behaviour(w)) {
      case OnClose::Close: tree_.Remove(w); return CloseAnswer::Answered;
      case OnClose::Ignore: return CloseAnswer::Answered;
      case OnClose::AskQuestion: asking_[w] = true; return CloseAnswer::Busy;
      case OnClose::Hang: return CloseAnswer::Hung;
    }
    return CloseAnswer::Answered;
  }
  void EndOwningProcess(WindowHandle w) override {
    calls.push_back("end process " + std::to_string(w));
    tree_.Remove(w);
  }
  void PostClose(WindowHandle w) override { calls.push_back("post close " + std::to_string(w)); }
  void Destroy(WindowHandle w) override { calls.push_back("destroy " + std::to_string(w)); }
  void PressAltF4(WindowHandle w) override { calls.push_back("alt+f4 " + std::to_string(w)); }
  void Sleep(uint32_t ms) override { slept_ms += ms; }
  bool Activate(WindowHandle w) override {
    calls.push_back("activate " + std::to_string(w));
    return true;
  }
  void SetStyle(WindowHandle w, std::string_view style) override {
    calls.push_back("style " + std::to_string(w) + " " + std::string(style));
  }
  std::string FullText(WindowHandle w) override { return "full:" + tree_.Text(w); }
  WindowHandle Press(WindowHandle w) override {
    calls.push_back("press " + std::to_string(w));
    return w + 1000;
  }
  void Move(WindowHandle w, int32_t x, int32_t y) override {
    calls.push_back("move " + std::to_string(w) + " " + std::to_string(x) + "," + std::to_string(y));
  }
  void Resize(WindowHandle w, int32_t cx, int32_t cy) override {
    calls.push_back("resize " + std::to_string(w) + " " + std::to_string(cx) + "," + std::to_string(cy));
  }
  void Maximize(WindowHandle w) override { calls.push_back("maximize " + std::to_string(w)); }
  void MinimizeOrRestore(WindowHandle w) override { calls.push_back("minimize " + std::to_string(w)); }
  void MinimizeAll() override { calls.push_back("minimize all"); }
  std::vector<WindowHandle> WindowsToCloseAll() override { return tree_.TopLevelWindows(); }
  bool IsChecked(WindowHandle w) override { return checked.count(w) && checked[w]; }
  // The system's window at any point is window_at; siblings are the parent's
  // children in the order they were added.
  WindowHandle window_at = 0;
  WindowHandle WindowAt(ScreenPoint) override { return window_at; }
  std::vector<WindowHandle> LaterSiblings(WindowHandle w) override {
    std::vector<WindowHandle> later;
    const WindowHandle parent = tree_.Parent(w);
    if (parent == 0) return later;
    bool after = false;
    for (WindowHandle d : tree_.Descendants(parent)) {
      if (tree_.Parent(d) != parent) continue;
      if (after) later.push_back(d);
      after = after || d == w;
    }
    return later;
  }

 private:
  OnClose Behaviour(WindowHandle w) { return on_close.count(w) ? on_close[w] : OnClose::Close; }
  FakeWindowTree& tree_;
  std::map<WindowHandle, bool> asking_;
};

}  // namespace zelo::test
