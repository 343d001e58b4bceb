#include "orvane/units/unit.h"

#include "orvane/units/angle_representations.h"
#include "orvane/units/area_representations.h"
#include "orvane/units/feet_inch_representation.h"
#include "orvane/units/length_representations.h"
#include "orvane/units/scalar.h"
#include "orvane/units/volume_representations.h"

const VLOCN_AbstractRepresentation* VLOCN_Unit::getRep(REPS code) {
    switch (code) {
        case SCALAR:
            return VLOCN_Scalar::thisRepresentation();
        case ANGLE_ACTUAL:
            return VLOCN_BaseAngleClass::getActual();
        case ANGLE_RAD:
            return VLOCN_AngleRad::thisRepresentation();
        case ANGLE_DEG:
            return VLOCN_AngleDeg::thisRepresentation();
        case ANGLE_GON:
            return VLOCN_AngleGon::thisRepresentation();
        case LENGTH_ACTUAL:
            return VLOCN_BaseLengthClass::getActual();
        case LENGTH_MM:
            return VLOCN_MillimeterConversion::thisRepresentation();
        case LENGTH_CM:
            return VLOCN_CentimeterConversion::thisRepresentation();
        case LENGTH_DM:
            return VLOCN_DecimeterConversion::thisRepresentation();
        case LENGTH_M:
            return VLOCN_MeterConversion::thisRepresentation();
        case LENGTH_KM:
            return VLOCN_KilometerConversion::thisRepresentation();
        case LENGTH_INCH:
            return VLOCN_InchConversion::thisRepresentation();
        case LENGTH_FEET:
            return VLOCN_FeetConversion::thisRepresentation();
        case LENGTH_MILES:
            return VLOCN_MilesConversion::thisRepresentation();
        case LENGTH_FEET_INCH:
            return VLOCN_FeetInchRepresentation::thisRepresentation();
        case AREA_ACTUAL:
            return VLOCN_BaseAreaClass::getActual();
        case AREA_MM2:
            return VLOCN_QuadratMillimeter::thisRepresentation();
        case AREA_CM2:
            return VLOCN_QuadratCentimeter::thisRepresentation();
        case AREA_DM2:
            return VLOCN_QuadratDecimeter::thisRepresentation();
        case AREA_M2:
            return VLOCN_QuadratMeter::thisRepresentation();
        case AREA_KM2:
            return VLOCN_QuadratKilometer::thisRepresentation();
        case AREA_SQ_INCH:
            return VLOCN_SquareInch::thisRepresentation();
        case AREA_SQ_FEET:
            return VLOCN_SquareFeet::thisRepresentation();
        case AREA_SQ_YARD:
            return VLOCN_SquareYard::thisRepresentation();
        case VOLUME_ACTUAL:
            return VLOCN_BaseVolumeClass::getActual();
        case VOLUME_MM3:
            return VLOCN_KubikMillimeter::thisRepresentation();
        case VOLUME_CM3:
            return VLOCN_KubikCentimeter::thisRepresentation();
        case VOLUME_DM3:
            return VLOCN_KubikDecimeter::thisRepresentation();
        case VOLUME_M3:
            return VLOCN_KubikMeter::thisRepresentation();
    }
    return nullptr;
}

void VLOCN_Unit::setLocalization(REPS code, const V_STRING& shortText, const V_STRING& longText) {
    const VLOCN_AbstractRepresentation* rep = getRep(code);
    if (rep == nullptr) return;
    // The singletons are constant objects; their texts are static data of their classes, so
    // replacing them changes nothing in the object itself.
    const_cast<VLOCN_AbstractRepresentation*>(rep)->setUnitDescriptions(shortText, longText);
}
