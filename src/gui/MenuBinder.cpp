#include "gui/MenuBinder.h"

#include "gui/AccessKeys.h"
#include "gui/Look.h"

#include <QKeySequence>

namespace quirn::qt {

QMenu* MenuBinder::addMenu(QWidget* owner, MenuId id, const WindowModel& model,
                           const Dispatch& dispatch) {
    auto* menu = new QMenu(fromGameText(model[id].caption), owner);
    actions_[static_cast<int>(id)] = menu->menuAction();
    // A menu's own click comes as it opens, so its handler can set up the items first.
    QObject::connect(menu, &QMenu::aboutToShow, menu,
                     [dispatch, id] { dispatch([id](Form1& form) { form.clickMenu(id); }); });
    addItems(menu, id, model, dispatch);
    return menu;
}

void MenuBinder::addItems(QMenu* menu, MenuId parent, const WindowModel& model,
                          const Dispatch& dispatch) {
    for (MenuId id : menuChildren(parent)) {
        if (!menuChildren(id).empty()) {
            menu->addMenu(addMenu(menu, id, model, dispatch));
            continue;
        }
        QAction* item = menu->addAction(fromGameText(model[id].caption));
        actions_[static_cast<int>(id)] = item;
        QObject::connect(item, &QAction::triggered, item,
                         [dispatch, id] { dispatch([id](Form1& form) { form.clickMenu(id); }); });
    }
}

void MenuBinder::assignKeys(std::optional<MenuId> parent, const WindowModel& model) {
    std::vector<MenuId> ids;
    std::vector<QString> captions;
    for (MenuId id : menuChildren(parent)) {
        if (!parent && !model[id].inMenuBar) continue;
        ids.push_back(id);
        captions.push_back(fromGameText(model[id].caption));
    }
    const std::vector<QChar> keys = accessKeys(captions);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        keys_[static_cast<int>(ids[i])] = keys[i];
        assignKeys(ids[i], model);
    }
}

void MenuBinder::build(QMenuBar* bar, const WindowModel& model, const Dispatch& dispatch) {
    assignKeys(std::nullopt, model);
    for (MenuId id : menuChildren(std::nullopt))
        if (model[id].inMenuBar) bar->addMenu(addMenu(bar, id, model, dispatch));
    // The rules open with the desktop's help key.
    if (QAction* rules = action(MenuId::mrules)) rules->setShortcut(QKeySequence::HelpContents);
    sync(model);
}

void MenuBinder::sync(const WindowModel& model) {
    for (int i = 0; i < kMenuCount; ++i) {
        QAction* item = actions_[i];
        if (!item) continue;
        const MenuItem& menu = model.menus[i];
        if (synced_[i] == menu) continue;
        synced_[i] = menu;
        item->setText(withAccessKey(fromGameText(menu.caption), keys_[i]));
        item->setEnabled(menu.enabled);
        // Only a checked item is checkable, so unchecked ones show no empty box.
        item->setCheckable(menu.checked);
        item->setChecked(menu.checked);
    }
}

} // namespace quirn::qt
