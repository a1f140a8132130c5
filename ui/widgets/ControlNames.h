#pragma once

#include <QString>

// Every control carries its name as its objectName; the element i of a control array is "name_i"
// ("P_scoLab_3", "Image2_8"). Tests and accessibility find the controls by these names.
template <typename Widget>
Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    return named(widget, QString::fromLatin1(name));
}

inline QString elementName(const char* name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}
