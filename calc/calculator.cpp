#include "calc/calculator.h"

#include "calc/checked.h"
#include "calc/conversions.h"
#include "calc/network_layout.h"
#include "calc/networks.h"

#include <cmath>
#include <utility>

namespace zelmarino {

namespace {

std::string_view failureMessage(FloatFailure failure) {
    switch (failure) {
    case FloatFailure::DivisionByZero:
        return divisionByZeroMessage;
    case FloatFailure::Overflow:
        return overflowMessage;
    case FloatFailure::InvalidOperation:
        break;
    }
    return invalidOperationMessage;
}

// An entry is accepted when it is a positive number that single precision can hold.
bool isAcceptable(float value) {
    return value > 0.0F && std::isfinite(value);
}

} // namespace

void Calculator::Command1_Click() {
    m_view.setCaption(Label::Label9, "");
    m_state.A = toSingle(NumberValue(m_view.text(TextBox::Text3)));
    if (!isAcceptable(m_state.A)) {
        // Emptying Text3 may run its change handler, which commits Zout again: every step
        // below reads the design record afresh.
        m_view.setText(TextBox::Text3, "");
        m_view.setFocus(TextBox::Text3);
    }
    try {
        store(m_state.K, pow(10.0, Checked(static_cast<double>(m_state.A)) / 20.0));
        dispatchNetwork();
    } catch (const FloatError& error) {
        m_view.setCaption(Label::Label9, std::string(failureMessage(error.failure)));
        m_view.beep();
    }
}

// Every test is made in turn, none is an "else" of another; at most one routine runs.
void Calculator::dispatchNetwork() {
    if (m_state.Zin == m_state.Zout && m_state.NetworkType == NetworkType::Pi) {
        CalcPiSymmetric();
    }
    if (m_state.Zin != m_state.Zout && m_state.NetworkType == NetworkType::Pi) {
        CalcPiAsymmetric();
    }
    if (m_state.NetworkType == NetworkType::T) {
        if (!(m_state.Zin < m_state.Zout)) {
            CalcT();
        }
        if (m_state.NetworkType == NetworkType::T && m_state.Zin < m_state.Zout) {
            CalcTExchanged();
        }
    }
    if (m_state.NetworkType == NetworkType::LLess) {
        CalcLLess();
    }
    if (m_state.NetworkType == NetworkType::LGreater) {
        CalcLGreater();
    }
}

// The T puts the larger impedance on the input side. The exchange holds for this one design
// and for the impedance captions; the record keeps the impedances as they were committed, so
// a later "Calcola" or an edit of Text3 designs for what the user typed.
void Calculator::CalcTExchanged() {
    std::swap(m_state.Zin, m_state.Zout);
    m_view.setCaption(Label::LabelZin, SingleText(m_state.Zin));
    m_view.setCaption(Label::LabelZout, SingleText(m_state.Zout));
    try {
        CalcT();
    } catch (...) {
        std::swap(m_state.Zin, m_state.Zout);
        throw;
    }
    std::swap(m_state.Zin, m_state.Zout);
}

void Calculator::CalcPiSymmetric() {
    computePiSymmetric(m_state);
    FormatResistors();
    m_view.setCaption(Label::piti, m_state.S1);
    m_view.setCaption(Label::pielle, m_state.S1);
    m_view.setCaption(Label::tielle, m_state.S2);
}

void Calculator::CalcPiAsymmetric() {
    computePiAsymmetric(m_state);
    FormatResistors();
    m_view.setCaption(Label::piti, m_state.S1);
    m_view.setCaption(Label::pielle, m_state.S3);
    m_view.setCaption(Label::tielle, m_state.S2);
}

void Calculator::CalcT() {
    computeT(m_state);
    FormatResistors();
    m_view.setCaption(Label::tielle, m_state.S1);
    m_view.setCaption(Label::piti, m_state.S3);
    m_view.setCaption(Label::ti, m_state.S2);
}

void Calculator::CalcLLess() {
    computeLLess(m_state);
    FormatResistors();
    m_view.setCaption(Label::piti, m_state.S2);
    m_view.setCaption(Label::tielle, m_state.S1);
}

void Calculator::CalcLGreater() {
    computeLGreater(m_state);
    FormatResistors();
    m_view.setCaption(Label::piti, m_state.S2);
    m_view.setCaption(Label::tielle, m_state.S1);
}

void Calculator::Text2_Change() {
    m_state.Zin = toSingle(NumberValue(m_view.text(TextBox::Text1)));
    if (isAcceptable(m_state.Zin)) {
        m_view.setCaption(Label::LabelZin, SingleText(m_state.Zin));
        return;
    }
    m_view.setText(TextBox::Text1, "");
    m_view.setText(TextBox::Text2, "");
    m_view.setFocus(TextBox::Text1);
}

void Calculator::Text3_Change() {
    m_state.Zout = toSingle(NumberValue(m_view.text(TextBox::Text2)));
    if (isAcceptable(m_state.Zout)) {
        m_view.setCaption(Label::LabelZout, SingleText(m_state.Zout));
        return;
    }
    m_view.setText(TextBox::Text2, "");
    m_view.setText(TextBox::Text3, "");
    m_view.setFocus(TextBox::Text2);
}

void Calculator::textChanged(TextBox box) {
    switch (box) {
    case TextBox::Text1:
        break;
    case TextBox::Text2:
        Text2_Change();
        break;
    case TextBox::Text3:
        Text3_Change();
        break;
    }
}

void Calculator::optionClick(NetworkType network) {
    const NetworkLayout layout = networkLayout(network);
    const std::string pictureFile(layout.pictureFile);
    if (!m_view.loadPicture(pictureFile)) {
        // The option button must not show a network other than the one "Calcola" designs.
        m_view.reportMissingPicture(pictureFile);
        m_view.showNetworkChoice(m_state.NetworkType);
        return;
    }
    m_state.NetworkType = network;
    for (const LabelPlace& place : layout.places) {
        m_view.setLabelLeft(place.label, place.left);
    }
    if (network == NetworkType::Pi) {
        m_view.setCaption(Label::ti, "");
    }
    m_view.setText(TextBox::Text1, "");
    m_view.setText(TextBox::Text2, "");
    m_view.setText(TextBox::Text3, "");
    for (const Label label :
         {Label::LabelZin, Label::LabelZout, Label::piti, Label::tielle, Label::pielle}) {
        m_view.setCaption(label, "");
    }
    if (network != NetworkType::Pi) {
        m_view.setCaption(Label::ti, "");
    }
    m_view.setFocus(TextBox::Text1);
}

void Calculator::delete_Click() {
    m_view.setCaption(Label::Label9, "");
    m_view.setText(TextBox::Text1, "");
    m_view.setText(TextBox::Text2, "");
    m_view.setText(TextBox::Text3, "");
    for (const Label label : {Label::LabelZin, Label::LabelZout, Label::piti, Label::tielle,
                              Label::pielle, Label::ti}) {
        m_view.setCaption(label, "");
    }
    m_view.setFocus(TextBox::Text1);
}

} // namespace zelmarino
