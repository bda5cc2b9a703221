// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hidden windows that hold pictures for everyone: FormPi's Picture1 receives
// each decoded Pi picture (callers copy it), Form40's Image1 holds the blank
// placeholder put into a picture position before a lookup.

#include <QImage>
#include <QWidget>

namespace kuyu::gui {

class App;
class ImageBox;

class FormPi : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* Name = "FormPi";
    FormPi(App& app, QWidget* parent);
    ImageBox* holder() const { return picture1_; }

  private:
    ImageBox* picture1_ = nullptr;
};

class Form40 : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form40";
    Form40(App& app, QWidget* parent);
    ImageBox* image() const { return image1_; }

  private:
    ImageBox* image1_ = nullptr;
};

} // namespace kuyu::gui
