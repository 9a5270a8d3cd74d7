#include "IpSystemDialogs.h"

#include "Arpipv6controlformunit.h"
#include "Bootctrltableformunit.h"
#include "Currenttime.h"
#include "Dhcppoolunit.h"
#include "DialogRegistry.h"
#include "Dnsctrlformunit.h"
#include "Ecmpmanagementformunit.h"
#include "Equipmentbasicinfoformunit.h"
#include "IpSystemFormClasses.h"
#include "Ipctrlunit.h"
#include "Ipstaticrouteunit.h"
#include "Ipv6staticrouteunit.h"
#include "Logsavecontrolsetting.h"
#include "Multiconfigcontrolformunit.h"
#include "Probebasicinformationformunit.h"
#include "Summertime.h"
#include "Systemloghostunit.h"

void RegisterIpSystemDialogs() {
    RegisterDedicatedForm(ipsystemforms::TIpCtrlForm, &IpCtrlForm);
    RegisterDedicatedForm(ipsystemforms::TIpStaticRouteForm, &IpStaticRouteForm);
    RegisterDedicatedForm(ipsystemforms::TIpv6StaticRouteForm, &Ipv6StaticRouteForm);
    RegisterDedicatedForm(ipsystemforms::TARPIPV6ControlForm, &ARPIPV6ControlForm);
    RegisterDedicatedForm(ipsystemforms::TDHCPPoolForm, &DHCPPoolForm);
    RegisterDedicatedForm(ipsystemforms::TBOOTCtrlTableForm, &BOOTCtrlTableForm);
    RegisterDedicatedForm(ipsystemforms::TDNSCtrlForm, &DNSCtrlForm);
    RegisterDedicatedForm(ipsystemforms::TECMPManagementForm, &ECMPManagementForm);
    RegisterDedicatedForm(ipsystemforms::TSystemLogHostForm, &SystemLogHostForm);
    RegisterDedicatedForm(ipsystemforms::TLogSaveControlForm, &LogSaveControlForm);
    RegisterDedicatedForm(ipsystemforms::TMultipleConfigControlForm, &MultipleConfigControlForm);
    RegisterDedicatedForm(ipsystemforms::TProbeBasicInformationForm, &ProbeBasicInformationForm);
    RegisterDedicatedForm(ipsystemforms::TEquipmentBasicInfoForm, &EquipmentBasicInfoForm);
    RegisterDedicatedForm(ipsystemforms::TCurrentTimeForm, &CurrentTimeForm);
    RegisterDedicatedForm<TSummerTimeForm>(ipsystemforms::TSummerTimeForm, nullptr);
}
