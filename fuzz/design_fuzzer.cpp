// Fuzzes whole designs as a user makes them, through the in-memory window: choosing a
// network, typing arbitrary texts into the three boxes keystroke by keystroke, "Calcola"
// and "Cancella", in any order.
//
// The input is a list of actions separated by '|', each named by its first character:
//   o<c>      click the option button of network 1 + c % 4 (Pi, T, L <, L >)
//   1<text>   type <text> into Text1, one character at a time (2 and 3 likewise)
//   c         "Calcola"          x   "Cancella"
// anything else is skipped. "o1|150|275|320|c" designs a T of 20 dB for 50 and 75 ohms.
//
// Properties checked after every action:
// - no crash, no undefined behaviour, no exception other than those the program catches;
// - a change of Text2 commits Zin from Text1 (Text3: Zout from Text2): the record holds what
//   Text1 reads as; a positive number shows on LabelZin, anything else empties both boxes
//   and sends the focus back to Text1, leaving LabelZin as it was; Text1 has no handler;
// - "Calcola" leaves on Label9 nothing, the negative-value message, or one of the three
//   failure messages, with exactly one beep for a message and none without; it stores A as
//   Text3 reads; where A is not a positive number it empties Text3 and focuses it; it never
//   changes the network, and it keeps Zin and Zout as committed (the T exchange does not
//   last), except that emptying a non-empty Text3 commits Zout again from Text2 (and, when
//   that is rejected, Zin from Text1);
//   without a failure K is finite, and positive unless A is so negative that it underflows;
// - the impedance labels hold what SingleText writes and the resistor labels strings of
//   the resistor alphabet ending in the ohm sign, every one of bounded length;
// - "Cancella" and the option buttons empty the boxes and the value labels and focus Text1;
//   only "Calcola" beeps.
#include "calc/calculator.h"
#include "calc/conversions.h"
#include "calc/memory_view.h"
#include "fuzz/fuzz_check.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using zelmarino::Label;
using zelmarino::TextBox;
using zelmarino::fuzz::check;
using zelmarino::fuzz::onlyFrom;

bool sameBits(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

float committed(std::string_view text) {
    return zelmarino::toSingle(zelmarino::NumberValue(text));
}

bool isAcceptable(float value) {
    return value > 0.0F && std::isfinite(value);
}

constexpr std::array valueLabels{Label::LabelZin, Label::LabelZout, Label::piti,
                                 Label::pielle,   Label::tielle,    Label::ti};

class Session {
public:
    Session() {
        m_view.onTextChanged = [this](TextBox box) { m_calculator.textChanged(box); };
    }

    void run(std::string_view action) {
        if (action.empty()) {
            return;
        }
        const std::string_view argument = action.substr(1);
        switch (action.front()) {
        case 'o':
            choose(argument);
            break;
        case '1':
        case '2':
        case '3':
            type(static_cast<TextBox>(action.front() - '1'), argument);
            break;
        case 'c':
            calculate();
            break;
        case 'x':
            clear();
            break;
        default:
            break;
        }
        checkLabels();
    }

private:
    void choose(std::string_view argument) {
        const auto pick = argument.empty() ? 0U : static_cast<unsigned char>(argument.front());
        const auto network = static_cast<zelmarino::design::Network>(1 + pick % 4);
        const int beeps = m_view.beeps;
        m_calculator.optionClick(network);
        check(m_calculator.state().NetworkType == network, "the option button sets the network");
        checkCleared("an option button");
        check(m_view.beeps == beeps, "only Calcola beeps");
    }

    void type(TextBox box, std::string_view text) {
        std::string typed;
        for (const char key : text) {
            typed += key;
            keystroke(box, typed);
        }
    }

    void keystroke(TextBox box, const std::string& text) {
        const auto& state = m_calculator.state();
        const bool changes = m_view.text(box) != text;
        const float zin = state.Zin;
        const float zout = state.Zout;
        const int beeps = m_view.beeps;
        const int captionWrites = m_view.captionWrites;
        const std::string labelZin = m_view.caption(Label::LabelZin);
        const std::string labelZout = m_view.caption(Label::LabelZout);
        m_view.type(box, text);
        check(m_view.beeps == beeps, "only Calcola beeps", text);
        if (!changes || box == TextBox::Text1) {
            check(sameBits(state.Zin, zin) && sameBits(state.Zout, zout) &&
                      m_view.captionWrites == captionWrites,
                  "typing without a change, or into Text1, commits nothing", text);
            return;
        }
        if (box == TextBox::Text2) {
            checkCommit(state.Zin, TextBox::Text1, Label::LabelZin, labelZin);
        } else {
            checkCommit(state.Zout, TextBox::Text2, Label::LabelZout, labelZout);
        }
    }

    // After a change of the box that follows `source`: its value is in the record.
    void checkCommit(float value, TextBox source, Label label, const std::string& oldCaption) {
        const std::string text = m_view.text(source);
        check(sameBits(value, committed(text)), "the record holds what the box reads as", text);
        if (isAcceptable(value)) {
            check(m_view.caption(label) == zelmarino::SingleText(value),
                  "an accepted impedance shows on its label", text);
            return;
        }
        const auto next = static_cast<TextBox>(static_cast<int>(source) + 1);
        check(text.empty() && m_view.text(next).empty() && m_view.focus == source,
              "a rejected impedance empties both boxes and focuses its own", text);
        check(m_view.caption(label) == oldCaption, "a rejected impedance leaves its label", text);
    }

    void calculate() {
        const auto& state = m_calculator.state();
        const auto network = state.NetworkType;
        const std::string attenuation = m_view.text(TextBox::Text3);
        const float a = committed(attenuation);
        // Emptying Text3 runs its handler, and a rejection there empties Text2 in turn,
        // whose handler commits Zin.
        const bool recommits = !isAcceptable(a) && !attenuation.empty();
        const std::string impedance = m_view.text(TextBox::Text2);
        const float zout = recommits ? committed(impedance) : state.Zout;
        const bool reenters = recommits && !isAcceptable(zout) && !impedance.empty();
        const float zin = reenters ? committed(m_view.text(TextBox::Text1)) : state.Zin;
        const int beeps = m_view.beeps;

        m_calculator.Command1_Click();

        const std::string message = m_view.caption(Label::Label9);
        const bool failed = message == zelmarino::divisionByZeroMessage ||
                            message == zelmarino::overflowMessage ||
                            message == zelmarino::invalidOperationMessage;
        check(message.empty() || failed || message == zelmarino::negativeValueMessage,
              "Label9 holds nothing or one of the four messages", attenuation);
        check(m_view.beeps - beeps == (message.empty() ? 0 : 1),
              "exactly one beep with a message, none without", attenuation);
        check(sameBits(state.A, a), "A is what Text3 reads as", attenuation);
        if (!isAcceptable(a)) {
            check(m_view.text(TextBox::Text3).empty() && m_view.focus == TextBox::Text3,
                  "an attenuation that is not positive is emptied and focused", attenuation);
        }
        check(state.NetworkType == network, "Calcola keeps the network", attenuation);
        check(sameBits(state.Zin, zin) && sameBits(state.Zout, zout),
              "Calcola keeps the committed impedances", attenuation);
        if (!failed) {
            // 10^(A/20) only underflows to 0 for an attenuation below about -6000 dB.
            check(std::isfinite(state.K) &&
                      (state.K > 0.0 || (state.K == 0.0 && state.A < -6000.0F)),
                  "K is finite, and positive unless A is hugely negative", attenuation);
        }
    }

    void clear() {
        const int beeps = m_view.beeps;
        m_calculator.delete_Click();
        check(m_view.caption(Label::Label9).empty(), "Cancella empties the message");
        checkCleared("Cancella");
        check(m_view.beeps == beeps, "only Calcola beeps");
    }

    void checkCleared(const char* what) {
        for (const TextBox box : {TextBox::Text1, TextBox::Text2, TextBox::Text3}) {
            check(m_view.text(box).empty(), "the boxes are emptied", what);
        }
        for (const Label label : valueLabels) {
            check(m_view.caption(label).empty(), "the value labels are emptied", what);
        }
        check(m_view.focus == TextBox::Text1, "the focus goes to Text1", what);
    }

    void checkLabels() const {
        for (const Label label : {Label::LabelZin, Label::LabelZout}) {
            const std::string caption = m_view.caption(label);
            check(caption.size() <= 13 && (onlyFrom(caption, "0123456789.-E+") ||
                                           caption == "inf" || caption == "-inf"),
                  "an impedance label holds a number as SingleText writes it", caption);
        }
        for (const Label label : {Label::piti, Label::pielle, Label::tielle, Label::ti}) {
            const std::string caption = m_view.caption(label);
            check(caption.empty() || (caption.size() <= 347 && caption.ends_with('W') &&
                                      onlyFrom(caption, "0123456789.- WK")),
                  "a resistor label holds a resistor string", caption);
        }
    }

    zelmarino::MemoryView m_view;
    zelmarino::Calculator m_calculator{m_view};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    Session session;
    while (!input.empty()) {
        const std::size_t end = std::min(input.find('|'), input.size());
        session.run(input.substr(0, end));
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    return 0;
}
