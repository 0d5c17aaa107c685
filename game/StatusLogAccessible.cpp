#include "StatusLogAccessible.h"

#include "StatusLog.h"

#include <QAccessibleWidget>

namespace {

class StatusLogAccessible final : public QAccessibleWidget {
public:
    explicit StatusLogAccessible(StatusLog* log)
        : QAccessibleWidget(log, QAccessible::EditableText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<StatusLog*>(widget())->lines().join(u'\n');
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }
};

} // namespace

QAccessibleInterface* statusLogAccessible(const QString& className, QObject* object)
{
    auto* log = qobject_cast<StatusLog*>(object);
    return className == QLatin1String("StatusLog") && log ? new StatusLogAccessible(log) : nullptr;
}
