#include "catalogue/MenuItem.h"

#include <QVariant>

namespace {

constexpr char HintProperty[] = "bitloomHint";
constexpr char TagProperty[] = "bitloomTag";
constexpr char ImageIndexProperty[] = "bitloomImageIndex";

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
    action_->setSeparator(caption == QStringLiteral("-"));
    action_->setText(caption);
}

std::filesystem::path TMenuItem::Hint() const
{
    if (action_ == nullptr)
        return {};
    return action_->property(HintProperty).value<std::filesystem::path>();
}

void TMenuItem::SetHint(const std::filesystem::path& hint)
{
    action_->setProperty(HintProperty, QVariant::fromValue(hint));
}

int TMenuItem::Tag() const
{
    return action_ != nullptr ? action_->property(TagProperty).toInt() : 0;
}

void TMenuItem::SetTag(int tag)
{
    action_->setProperty(TagProperty, tag);
}

int TMenuItem::ImageIndex() const
{
    if (action_ == nullptr)
        return -1;
    const QVariant index = action_->property(ImageIndexProperty);
    return index.isValid() ? index.toInt() : -1;
}

void TMenuItem::SetImage(int index, const QIcon& icon)
{
    action_->setProperty(ImageIndexProperty, index);
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
