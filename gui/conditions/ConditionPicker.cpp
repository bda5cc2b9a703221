// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/conditions/ConditionPicker.h"

#include "core/Errors.h"
#include "core/conditions/Conditions.h"
#include "core/images/PictureLookup.h"
#include "gui/app/App.h"
#include "gui/conditions/ConditionTexts.h"
#include "gui/conditions/Form11.h"
#include "gui/images/ImageBox.h"
#include "gui/images/PictureLoader.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/WindowPlacement.h"

#include <QImage>
#include <QPushButton>

namespace kuyu::gui {

namespace {

void tell(App& app, const Text& text, const Text& title) {
    Message m;
    m.text = text;
    m.title = title;
    app.platform.messages->show(app.mainWindow(), m);
}

} // namespace

bool LoadIllustration(App& app, int category) {
    auto& picker = app.load<Form11>();
    const auto file =
        findPicture(Category(category).illustration, Text(), PictureSet::Illustration);
    if (!file) {
        return false;
    }
    // Blank first: a picture that fails to load must never leave another
    // category's pictures under this category's options.
    picker.setIllustration(QImage());
    picker.setIllustration(LoadPicture(app, *file));
    return true;
}

void ShowConditionPicker(App& app) {
    auto& picker = app.load<Form11>();
    auto& s = app.state;
    // The caption and CurrentOption come from the stored selection.
    const QString caption = qs(BeginConditionPicker(s));
    picker.setWindowTitle(caption);
    showRestored(&picker);
    picker.activateWindow();
    const int current = s.CurrentOption;
    QPushButton* focus =
        (current >= 1 && current <= 7) ? picker.optionButton(current) : picker.confirmButton();
    focus->setFocus(Qt::OtherFocusReason);
    app.notify(hook::PickerShown);
}

void OpenPickerFromMenu(App& app, int category) {
    const CategoryInfo& info = Category(category);
    const Text cannotLoad = info.illustration + texts::CannotLoad;
    auto& s = app.state;
    s.SearchMode = search::None; // committing from here must not search
    CursorGuard hourglass;
    // Each failing step is reported and the next one still runs, so a broken
    // illustration leaves the picker open with what it held.
    try {
        app.unload(QStringLiteral("Form41")); // the search panel
        auto& picker = app.load<Form11>();
        picker.setWindowTitle(qs(info.openerCaption));
        s.CurrentCategory = static_cast<std::int16_t>(category);
        s.OptionCount = info.optionCount;
        picker.showOptionButtons(info.optionCount);
    } catch (const RunTimeError&) {
        hourglass.restore();
        tell(app, cannotLoad, texts::TitleError);
    }
    try {
        if (!LoadIllustration(app, category)) {
            hourglass.restore();
            tell(app, cannotLoad, texts::TitleMessage);
            return;
        }
    } catch (const RunTimeError&) {
        hourglass.restore();
        tell(app, cannotLoad, texts::TitleError);
    }
    try {
        ShowConditionPicker(app);
    } catch (const RunTimeError&) {
        hourglass.restore();
        tell(app, cannotLoad, texts::TitleError);
    }
}

} // namespace kuyu::gui
