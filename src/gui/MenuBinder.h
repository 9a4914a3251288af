// The menu bar built from the model's menus, kept in step with their captions, check
// marks and enabled state; a triggered item, or a menu about to open, goes to clickMenu.
#pragma once

#include "core/app/WindowModel.h"
#include "gui/Dispatch.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <array>
#include <optional>

namespace quirn::qt {

class MenuBinder {
  public:
    void build(QMenuBar* bar, const WindowModel& model, const Dispatch& dispatch);
    void sync(const WindowModel& model);

    // The action standing for a menu item or title; null for the pop-up "Number" items.
    QAction* action(MenuId id) const { return actions_[static_cast<int>(id)]; }

  private:
    void addItems(QMenu* menu, MenuId parent, const WindowModel& model, const Dispatch& dispatch);
    QMenu* addMenu(QWidget* owner, MenuId id, const WindowModel& model, const Dispatch& dispatch);
    void assignKeys(std::optional<MenuId> parent, const WindowModel& model);

    std::array<QAction*, kMenuCount> actions_{};
    std::array<std::optional<MenuItem>, kMenuCount> synced_{};
    std::array<QChar, kMenuCount> keys_{};
};

} // namespace quirn::qt
