// A FormView held in memory: texts, captions, focus and label positions as plain values.
// Like the real window it runs the change handler when a text really changes, so the
// window's behaviour can be driven without a window (tests, fuzzing, benchmarks).
#pragma once

#include "calc/form_view.h"

#include <array>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zelmarino {

class MemoryView final : public FormView {
public:
    [[nodiscard]] std::string text(TextBox box) const override;
    void setText(TextBox box, const std::string& text) override;
    [[nodiscard]] std::string caption(Label label) const override;
    void setCaption(Label label, const std::string& caption) override;
    void setFocus(TextBox box) override { focus = box; }
    void beep() override { ++beeps; }
    [[nodiscard]] bool loadPicture(const std::string& fileName) override;
    void reportMissingPicture(const std::string& fileName) override;
    void showNetworkChoice(std::optional<design::Network> network) override {
        shownChoice = network;
    }
    void setLabelLeft(Label label, int twips) override;

    // Typing: sets the text as a user would, running the handler on a real change.
    void type(TextBox box, const std::string& text) { setText(box, text); }
    [[nodiscard]] int labelLeft(Label label) const;

    std::function<void(TextBox)> onTextChanged;
    TextBox focus = TextBox::Text1;
    int beeps = 0;
    std::set<std::string> missingPictures; // pictures that fail to load
    std::string picture;                   // the last picture loaded
    std::vector<std::string> reportedPictures;
    std::optional<design::Network> shownChoice;
    int captionWrites = 0;

private:
    std::array<std::string, 3> m_texts;
    std::array<std::string, 7> m_captions;
    std::array<int, 7> m_lefts{}; // 0: still at the stored place
};

} // namespace zelmarino
