#include "side_windows.h"

#include <algorithm>

namespace kelvo {
namespace {

struct SideWindowState {
  std::string list;
  bool frozen = false;
};

SideWindowState& State() {
  static SideWindowState state;
  return state;
}

}  // namespace

const std::string& SideWindowList() { return State().list; }

void SideWindowActivated(char id) {
  SideWindowState& state = State();
  if (state.frozen) return;
  if (!state.list.empty() && state.list.back() == id) return;
  std::erase(state.list, id);
  state.list += id;
}

void SideWindowClosed(char id) {
  SideWindowActivated(id);
  std::string& list = State().list;
  if (!list.empty()) list.pop_back();
}

void ShowAllWindows(bool show, const std::function<void(char id, bool show)>& setVisible) {
  SideWindowState& state = State();
  state.frozen = true;
  // A copy: the list cannot change while frozen, but a window that closes meanwhile could.
  const std::string list = state.list;
  for (char id : list) setVisible(id, show);
  state.frozen = false;
}

void ResetSideWindowList() { State() = SideWindowState{}; }

}  // namespace kelvo
