// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

// The library's entry point: hosts find it by the ProgID in its metadata and
// create components through createComponent, called by name.
class QvControlsPlugin : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "Ossaria.ControlLibrary/1.0" FILE "qvcontrols.json")
public:
    Q_INVOKABLE QWidget* createComponent(QWidget* parent);
};
