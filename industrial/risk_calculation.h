#pragma once

#include "common/errors.h"
#include "industrial/building_record.h"
#include "industrial/window_inputs.h"

// The group of the frequency method chosen has no item chosen.
class ENoItemChosen : public AppError
{
public:
    using AppError::AppError;
};

// Computes q, Q, the four D_k, the design point, D, P_э, Q_d, P and R, in this order, storing each
// into the record before the next step reads it. A failure ends the calculation at its step: the
// fields of the steps before keep their new values, the later ones their old values. A quantity
// that would not be finite is not stored (EOverflow, EInvalidOp). Hours a day outside 0..24 and
// days a year outside 0..366 are refused (EOutOfRange); q is at most 1. So are a device
// probability or an exit probability outside 0..1, a negative time of a design point
// (ENegativeValue) and a computed system's list without probabilities (EDeviceList), so that no
// risk comes out below 0. A failure that comes from a text names the place of the text: the main
// window's field or cell, or the device list's row.
void CalculateRisk(TZdanie& record, const WindowInputs& inputs);
