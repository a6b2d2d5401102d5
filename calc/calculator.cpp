#include "calc/calculator.h"

#include "calc/conversions.h"
#include "calc/network_layout.h"
#include "design/attenuator.h"
#include "design/checked.h"
#include "design/networks.h"

#include <cmath>
#include <utility>

namespace zelmarino {

using design::FloatFailure;
using design::Network;
using design::store;

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
        store(m_state.K, design::voltageRatio(m_state.A));
        dispatchNetwork();
    } catch (const design::FloatError& error) {
        m_view.setCaption(Label::Label9, std::string(failureMessage(error.failure)));
        m_view.beep();
    }
}

// Every test is made in turn, none is an "else" of another; at most one routine runs.
void Calculator::dispatchNetwork() {
    if (m_state.Zin == m_state.Zout && m_state.NetworkType == Network::Pi) {
        CalcPiSymmetric();
    }
    if (m_state.Zin != m_state.Zout && m_state.NetworkType == Network::Pi) {
        CalcPiAsymmetric();
    }
    if (m_state.NetworkType == Network::T) {
        if (!(m_state.Zin < m_state.Zout)) {
            CalcT();
        }
        if (m_state.NetworkType == Network::T && m_state.Zin < m_state.Zout) {
            CalcTExchanged();
        }
    }
    if (m_state.NetworkType == Network::LOut) {
        CalcLLess();
    }
    if (m_state.NetworkType == Network::LIn) {
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

// Each routine stores the steps of its formula in their order, so a failing step stops the
// command with the fields before it stored and its own field holding what it gave.

void Calculator::CalcPiSymmetric() {
    const design::SymmetricPiArms pi = design::symmetricPi(m_state.Zin, m_state.K);
    store(m_state.R1, pi.shunt);
    store(m_state.R2, pi.series);
    m_state.R3 = 0.0; // both shunt arms are R1
    FormatResistors();
    m_view.setCaption(Label::piti, m_state.S1);
    m_view.setCaption(Label::pielle, m_state.S1);
    m_view.setCaption(Label::tielle, m_state.S2);
}

void Calculator::CalcPiAsymmetric() {
    const design::PiArms pi = design::pi(m_state.Zin, m_state.Zout, m_state.K);
    store(m_state.Ratio, pi.ratio);
    store(m_state.R1, pi.shuntAtInput);
    store(m_state.R2, pi.series);
    store(m_state.R3, pi.shuntAtOutput);
    FormatResistors();
    m_view.setCaption(Label::piti, m_state.S1);
    m_view.setCaption(Label::pielle, m_state.S3);
    m_view.setCaption(Label::tielle, m_state.S2);
}

// Entered with Zin >= Zout.
void Calculator::CalcT() {
    const design::TArms t = design::t(m_state.Zin, m_state.Zout, m_state.K);
    design::checkedValue(t.geometricMean);
    store(m_state.R1, t.seriesAtInput);
    store(m_state.R2, t.seriesAtOutput);
    store(m_state.R3, t.shunt);
    FormatResistors();
    m_view.setCaption(Label::tielle, m_state.S1);
    m_view.setCaption(Label::piti, m_state.S3);
    m_view.setCaption(Label::ti, m_state.S2);
}

// R1 is the series arm, R2 the shunt arm; the L has no third.
void Calculator::storeL(const design::LArms& l) {
    store(m_state.Ratio, l.ratio);
    m_state.R3 = 0.0;
    store(m_state.R1, l.series);
    store(m_state.R2, l.shuntAtOutput);
}

void Calculator::CalcLLess() {
    storeL(design::lMatchedAtOutput(m_state.Zin, m_state.Zout, m_state.K));
    FormatResistors();
    m_view.setCaption(Label::piti, m_state.S2);
    m_view.setCaption(Label::tielle, m_state.S1);
}

void Calculator::CalcLGreater() {
    storeL(design::lMatchedAtInput(m_state.Zin, m_state.Zout, m_state.K));
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

void Calculator::optionClick(Network network) {
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
    if (network == Network::Pi) {
        m_view.setCaption(Label::ti, "");
    }
    m_view.setText(TextBox::Text1, "");
    m_view.setText(TextBox::Text2, "");
    m_view.setText(TextBox::Text3, "");
    for (const Label label :
         {Label::LabelZin, Label::LabelZout, Label::piti, Label::tielle, Label::pielle}) {
        m_view.setCaption(label, "");
    }
    if (network != Network::Pi) {
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
