#include "catalogue/MenuItem.h"

#include <QVariant>

namespace {

// What an entry carries beyond Qt's own properties, kept together in the
// action's data: one value to set, and no property events for each.
struct ItemData {
    std::filesystem::path hint;
    int tag = 0;
    int imageIndex = -1;
};

ItemData DataOf(const QAction* action)
{
    return action->data().value<ItemData>();
}

template <typename Change>
void ChangeData(QAction* action, Change change)
{
    ItemData data = DataOf(action);
    change(data);
    action->setData(QVariant::fromValue(std::move(data)));
}

} // namespace

QMenu* TMenuItem::SubMenu() const
{
    return action_ != nullptr ? action_->menu<QMenu*>() : nullptr;
}

QString TMenuItem::Caption() const
{
    if (action_ == nullptr)
        return {};
    return action_->isSeparator() ? QStringLiteral("-") : action_->text();
}

void TMenuItem::SetCaption(const QString& caption)
{
    const bool separator = caption == QStringLiteral("-");
    action_->setSeparator(separator);
    // A separator with text is drawn by some styles as a titled section,
    // which would show the "-" itself.
    action_->setText(separator ? QString() : caption);
}

std::filesystem::path TMenuItem::Hint() const
{
    if (action_ == nullptr)
        return {};
    return DataOf(action_).hint;
}

void TMenuItem::SetHint(const std::filesystem::path& hint)
{
    ChangeData(action_, [&](ItemData& data) { data.hint = hint; });
}

int TMenuItem::Tag() const
{
    return action_ != nullptr ? DataOf(action_).tag : 0;
}

void TMenuItem::SetTag(int tag)
{
    ChangeData(action_, [&](ItemData& data) { data.tag = tag; });
}

int TMenuItem::ImageIndex() const
{
    return action_ != nullptr ? DataOf(action_).imageIndex : -1;
}

void TMenuItem::SetImage(int index, const QIcon& icon)
{
    ChangeData(action_, [&](ItemData& data) { data.imageIndex = index; });
    action_->setIcon(icon);
}

void TMenuItem::Set(const QString& caption, const std::filesystem::path& hint, int tag, int imageIndex,
                    const QIcon& icon)
{
    SetCaption(caption);
    action_->setData(QVariant::fromValue(ItemData{hint, tag, imageIndex}));
    action_->setIcon(icon);
}

int TMenuItem::Count() const
{
    const QMenu* menu = SubMenu();
    return menu != nullptr ? static_cast<int>(menu->actions().size()) : 0;
}

TMenuItem TMenuItem::Items(int index) const
{
    return TMenuItem(SubMenu()->actions().at(index));
}
