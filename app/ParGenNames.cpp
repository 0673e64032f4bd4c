// The element names of ParGen.xml.
#include "ParGenNames.h"

#include <array>

namespace {

const std::array<QString, ParGen_Element_Count> Names = {
    QStringLiteral("EtherNetIP_IP1"),        QStringLiteral("EtherNetIP_IP2"),
    QStringLiteral("EtherNetIP_IP3"),        QStringLiteral("EtherNetIP_IP4"),
    QStringLiteral("EtherNetIP_SM1"),        QStringLiteral("EtherNetIP_SM2"),
    QStringLiteral("EtherNetIP_SM3"),        QStringLiteral("EtherNetIP_SM4"),
    QStringLiteral("EtherNetIP_GAT1"),       QStringLiteral("EtherNetIP_GAT2"),
    QStringLiteral("EtherNetIP_GAT3"),       QStringLiteral("EtherNetIP_GAT4"),
    QStringLiteral("EtherNetIP_EN_GAT"),     QStringLiteral("EtherNetIP_PORT"),
    QStringLiteral("EtherNetIP_NB_Input"),   QStringLiteral("EtherNetIP_NB_Output"),
    QStringLiteral("PROFIBUS_SLAVE_ID_DEV"), QStringLiteral("PROFIBUS_SLAVE_BAUDRATE"),
};

}  // namespace

QString ParGen_Root()
{
    return QStringLiteral("Par_Gen");
}

QString ParGen_Name(TParGen_Element Element)
{
    return Names[static_cast<size_t>(Element)];
}
