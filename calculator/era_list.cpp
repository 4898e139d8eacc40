#include "calculator/era_list.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>

namespace vadelon {

namespace {

// A drop-down list from which the user can only pick: its name, then the
// item shown, which is also its value; its list as its child; opened by its
// action. Qt tells a change of the item shown (as a change of name).
class EraListAccessible final : public QAccessibleWidget {
public:
    explicit EraListAccessible(EraList* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    { }

    QString text(QAccessible::Text t) const override
    {
        const QString shown = List()->currentText();
        if (t == QAccessible::Name)
            return shown.isEmpty() ? List()->SpokenName() : List()->SpokenName() + u' ' + shown;
        if (t == QAccessible::Value)
            return shown;
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == List()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if ((action == showMenuAction() || action == pressAction()) && List()->isEnabled())
            List()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    EraList* List() const { return static_cast<EraList*>(widget()); }
};

QAccessibleInterface* DescribeEraList(const QString& className, QObject* object)
{
    if (className == QLatin1String("vadelon::EraList"))
        return new EraListAccessible(static_cast<EraList*>(object));
    return nullptr;
}

}  // namespace

EraList::EraList(const QString& name, QWidget* parent)
    : QComboBox(parent)
    , name_(name)
{
    static const bool described = (QAccessible::installFactory(&DescribeEraList), true);
    Q_UNUSED(described);
}

}  // namespace vadelon
