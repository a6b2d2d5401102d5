#include "calc/memory_view.h"

#include <cstddef>

namespace zelmarino {

namespace {

std::size_t indexOf(TextBox box) {
    return static_cast<std::size_t>(box);
}

std::size_t indexOf(Label label) {
    return static_cast<std::size_t>(label);
}

// The stored left edges of the value labels, in twips, in the order of Label.
constexpr std::array<int, 7> storedLefts{1800, 1920, 4800, 2880, 3480, 2640, 3840};

} // namespace

std::string MemoryView::text(TextBox box) const {
    return m_texts.at(indexOf(box));
}

void MemoryView::setText(TextBox box, const std::string& text) {
    std::string& current = m_texts.at(indexOf(box));
    if (current == text) {
        return;
    }
    current = text;
    if (onTextChanged) {
        onTextChanged(box);
    }
}

std::string MemoryView::caption(Label label) const {
    return m_captions.at(indexOf(label));
}

void MemoryView::setCaption(Label label, const std::string& caption) {
    m_captions.at(indexOf(label)) = caption;
    ++captionWrites;
}

bool MemoryView::loadPicture(const std::string& fileName) {
    if (missingPictures.contains(fileName)) {
        return false;
    }
    picture = fileName;
    return true;
}

void MemoryView::reportMissingPicture(const std::string& fileName) {
    reportedPictures.push_back(fileName);
}

void MemoryView::setLabelLeft(Label label, int twips) {
    m_lefts.at(indexOf(label)) = twips;
}

int MemoryView::labelLeft(Label label) const {
    const int left = m_lefts.at(indexOf(label));
    return left != 0 ? left : storedLefts.at(indexOf(label));
}

} // namespace zelmarino
