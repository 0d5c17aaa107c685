#include "QvControlsPlugin.h"

#include "QvControls.h"

QWidget* QvControlsPlugin::createComponent(QWidget* parent)
{
    return new QvControls(parent);
}
