// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include "TileButton.h"

#include <QAccessibleWidget>

namespace {

class TileAccessible : public QAccessibleWidget {
public:
    explicit TileAccessible(TileButton* tile)
        : QAccessibleWidget(tile, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !tile()->accessibleName().isEmpty() || onNoSea())
            return QAccessibleWidget::text(t);
        return QStringLiteral("%1, %2, %3")
            .arg(tile()->sea(), TileButton::squareName(tile()->index()), tile()->shows());
    }

    // Decided when asked: a tile is made first and placed on its sea after.
    QAccessible::Role role() const override
    {
        return onNoSea() ? QAccessible::Graphic : QAccessible::Button;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (!onNoSea() && tile()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && !onNoSea() && tile()->isEnabled())
            tile()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    TileButton* tile() const { return static_cast<TileButton*>(widget()); }
    bool onNoSea() const { return tile()->sea().isEmpty(); }
};

QAccessibleInterface* createInterface(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("TileButton"))
        return new TileAccessible(static_cast<TileButton*>(object));
    // A plain widget shown as a window of its own reads as a window, not as
    // a filler.
    if (className == QLatin1String("frmHelpGame"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void Accessibility::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
