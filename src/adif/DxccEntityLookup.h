#pragma once

#include "adif/EntityLookup.h"
#include "refdata/DXCCModel.h"

/** The ADIF reader's entity questions answered by the DXCC model and the WPX prefix rule. */
class DxccEntityLookup final : public adif::EntityLookup {
public:
    explicit DxccEntityLookup(DXCCModel &dxcc) : m_dxcc(dxcc) {}

    adif::AdifEntity resolve(const QString &callsign, const QDateTime &at) override;
    adif::AdifEntity byNumber(int adif) override;
    QString prefix(const QString &callsign) override;

private:
    DXCCModel &m_dxcc;
};
