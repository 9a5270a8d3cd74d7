// Generated from the menu resource's item list; edit with care, names and captions are exact.
#include "MainMenuData.h"

namespace {

constexpr MainMenuItem kDeviceManagement1Items[] = {
    {"Information3", "System Information", "Information3Click", false, {}},
    {"DeviceInformation1", "Device Information", "DeviceInformation1Click", false, {}},
    {"DevicemoduleInformation1", "Device Module Information", "DevicemoduleInformation1Click", false, {}},
    {"AlarmControl1", "Alarm Control", "AlarmControl1Click", false, {}},
    {"RefreshPanel1", "Refresh Panel", "RefreshPanel1Click", true, {}},
};

constexpr MainMenuItem kEquipmentManagement1Items[] = {
    {"Test1", "Basic Information", "Test1Click", false, {}},
    {"Unitinformation1", "Unit Information", "Unitinformation1Click", true, {}},
    {"UnitTable1", "Unit Table", "UnitTable1Click", false, {}},
    {"PowerTable1", "Power Table", "PowerTable1Click", false, {}},
    {"FanTable1", "Fan Table", "FanTable1Click", false, {}},
    {"TrapManagement1", "Trap Management", "", true, {}},
};

constexpr MainMenuItem kMultipleimagemanagement1Items[] = {
    {"GeneralInformation3", "General Information", "GeneralInformation3Click", false, {}},
    {"MultipleImageControl1", "Settings", "MultipleImageControl1Click", false, {}},
};

constexpr MainMenuItem kMultipleConfigManagement1Items[] = {
    {"GeneralInformation2", "General Information", "GeneralInformation2Click", false, {}},
    {"MultipleConfigInformation1", "Configuration Information", "MultipleConfigInformation1Click", false, {}},
    {"MultipleConfigControl1", "Settings", "MultipleConfigControl1Click", false, {}},
};

constexpr MainMenuItem kTrustedHostManagement1Items[] = {
    {"DeleteAll1", "Delete All Trusted Hosts", "DeleteAll1Click", false, {}},
    {"TrustHostTable1", "Trusted Host Table", "TrustHostTable1Click", false, {}},
};

constexpr MainMenuItem kAgentFileSystemManagement1Items[] = {
    {"AgentSupportedConfigFiles1", "Supported Configuration Files", "AgentSupportedConfigFiles1Click", false, {}},
    {"AgnetFileSytemSaveControl1", "Save Control", "AgnetFileSytemSaveControl1Click", false, {}},
    {"AgentFileSysstemTable1", "File System Table", "AgentFileSysstemTable1Click", false, {}},
};

constexpr MainMenuItem kPing1Items[] = {
    {"MaxConcurrentRequests3", "Max Concurrent Requests", "MaxConcurrentRequests3Click", false, {}},
    {"PingControlTable2", "Control Table", "PingControlTable2Click", false, {}},
    {"PingResultsTable2", "Ping Results Table", "PingResultsTable2Click", false, {}},
};

constexpr MainMenuItem kTraceRoute1Items[] = {
    {"MaxConcurrentRequests4", "Max Concurrent Requests\n", "MaxConcurrentRequests4Click", false, {}},
    {"ControlTable1", "Control Table\n", "ControlTable1Click", false, {}},
    {"ResultsTable2", "Results Table", "ResultsTable2Click", false, {}},
    {"HopsTable1", "Hops Table", "HopsTable1Click", false, {}},
};

constexpr MainMenuItem kGratuitousARPManagement1Items[] = {
    {"ARPManagementInfomation1", "Gratuitous ARP Management  Information", "ARPManagementInfomation1Click", false, {}},
    {"ARPTable2", "Gratuitous ARP Management Table", "ARPTable2Click", false, {}},
};

constexpr MainMenuItem kClearFDB1Items[] = {
    {"FDBClearAllState1", "Clear All FDB", "FDBClearAllState1Click", false, {}},
    {"ClearFDBByPort1", "Clear FDB By Port", "ClearFDBByPort1Click", false, {}},
    {"ClearFDBByVLAN1", "Clear FDB By VLAN ID", "ClearFDBByVLAN1Click", false, {}},
};

constexpr MainMenuItem kAgentManagement1Items[] = {
    {"BasicInfo1", "Basic Information", "BasicInfo1Click", false, {}},
    {"BasicConfigure1", "Basic Configuration", "BasicConfigure1Click", false, {}},
    {"MibCapabilities1", "MIB Capabilities", "MibCapabilities1Click", false, {}},
    {"", "-", "", false, {}},
    {"CpuUtilization1", "CPU Utilization", "CpuUtilization1Click", false, {}},
    {"DRAMUili1", "DRAM Utilization", "DRAMUili1Click", false, {}},
    {"FLASHUtilization1", "Flash Utilization", "FLASHUtilization1Click", false, {}},
    {"PortUlitization1", "Port Utilization", "PortUlitization1Click", false, {}},
    {"", "-", "", false, {}},
    {"IPProtoConfigure1", "IP Protocol Configuration", "IPProtoConfigure1Click", false, {}},
    {"Multipleimagemanagement1", "Multiple Image Management", "", false, kMultipleimagemanagement1Items},
    {"MultipleConfigManagement1", "Multiple Configuration Management", "", false, kMultipleConfigManagement1Items},
    {"AgentSuportedUpdateFiles1", "File Table", "AgentSuportedUpdateFiles1Click", false, {}},
    {"SeverityControlManagement1", "Severity Control Management", "SeverityControlManagement1Click", false, {}},
    {"TrustedHostManagement1", "Trusted Host Management", "", false, kTrustedHostManagement1Items},
    {"AgentFileSystemManagement1", "File System Management", "", false, kAgentFileSystemManagement1Items},
    {"", "-", "", false, {}},
    {"Ping1", "Ping", "", false, kPing1Items},
    {"TraceRoute1", "Trace Route", "", false, kTraceRoute1Items},
    {"GratuitousARPManagement1", "Gratuitous ARP Management", "", false, kGratuitousARPManagement1Items},
    {"ARPClearAllState1", "Clear All ARP", "ARPClearAllState1Click", false, {}},
    {"ClearFDB1", "Clear FDB", "", false, kClearFDB1Items},
    {"TrapManagement2", "Trap Management", "", true, {}},
    {"TrapReceiver1", "Trap Receiver", "", true, {}},
    {"PingTest1", "Ping Test", "PingTest1Click", true, {}},
};

constexpr MainMenuItem kClearSettings1Items[] = {
    {"SystemLogClearControl1", "Clear Log", "SystemLogClearControl1Click", false, {}},
    {"SystemLogClearDangerousLog1", "Clear Dangerous Log", "SystemLogClearDangerousLog1Click", false, {}},
};

constexpr MainMenuItem kSystemLog1Items[] = {
    {"SystemLogState1", "Global Settings", "SystemLogState1Click", false, {}},
    {"SystemLogServerTable1", "Server Table", "SystemLogServerTable1Click", false, {}},
    {"SystemLogSaveControl1", "Save Settings", "SystemLogSaveControl1Click", false, {}},
    {"ClearSettings1", "Clear Settings", "", false, kClearSettings1Items},
};

constexpr MainMenuItem kTimeManagement1Items[] = {
    {"Time1", "Current Time", "Time1Click", false, {}},
    {"CurrentTime1", "System Time", "CurrentTime1Click", false, {}},
    {"NetworkTime1", "Network Time", "NetworkTime1Click", false, {}},
    {"SummerTime1", "Summer Time", "SummerTime1Click", false, {}},
    {"TimeRange1", "Time Range", "TimeRange1Click", false, {}},
};

constexpr MainMenuItem kRCP1Items[] = {
    {"FileTable1", "File Table", "FileTable1Click", false, {}},
    {"FileSystemTable1", "File System Table", "FileSystemTable1Click", false, {}},
    {"ServerConfigurationTable1", "Server Configuration Table", "ServerConfigurationTable1Click", false, {}},
};

constexpr MainMenuItem kEntity1Items[] = {
    {"PhysicalTable1", "Physical Table", "", false, {}},
    {"LogicalTable1", "Logical Table", "", false, {}},
    {"Mapping1", "Mapping", "", false, {}},
};

constexpr MainMenuItem kIFMIB1Items[] = {
    {"GeneralTable1", "General Table", "GeneralTable1Click", false, {}},
    {"IFXTable1", "IfX Table", "IFXTable1Click", false, {}},
    {"IfStackTable1", "IfStack Table", "", true, {}},
};

constexpr MainMenuItem kMIBII1Items[] = {
    {"IfTable1", "IF Table", "IfTable1Click", false, {}},
    {"IFCounter1", "IF Counters", "IFCounter1Click", false, {}},
    {"", "-", "", false, {}},
    {"IPTable1", "IP Table", "IPTable1Click", false, {}},
    {"IPCounters1", "IP Counters", "IPCounters1Click", false, {}},
    {"IPRouting1", "IP Routing", "IPRouting1Click", false, {}},
    {"IPAddressTable1", "IP Address", "IPAddressTable1Click", false, {}},
    {"", "-", "", false, {}},
    {"ICMPCounters1", "ICMP Counters", "ICMPCounters1Click", false, {}},
    {"UDPCounters1", "UDP Counters", "UDPCounters1Click", false, {}},
    {"SNMPCounters1", "SNMP Counters", "SNMPCounters1Click", false, {}},
    {"", "-", "", false, {}},
    {"ARPTable1", "ARP", "ARPTable1Click", false, {}},
};

constexpr MainMenuItem kEtherLikeMIB1Items[] = {
    {"dot3Statistics1", "Dot3 Statistics Table", "dot3Statistics1Click", false, {}},
    {"dot3ControlTable1", "Dot3 Control Table", "dot3ControlTable1Click", false, {}},
    {"dot3PauseTable1", "Dot3 Pause Table", "dot3PauseTable1Click", false, {}},
};

constexpr MainMenuItem kDriveControl1Items[] = {
    {"MediaInformation1", "Drive Information", "MediaInformation1Click", false, {}},
    {"DriveChangeControl1", "Drive Change Control", "DriveChangeControl1Click", false, {}},
    {"DriveInfoStack1", "Drive Information Stack", "DriveInfoStack1Click", false, {}},
    {"DirectoryInformation1", "Directory Information", "DirectoryInformation1Click", false, {}},
};

constexpr MainMenuItem kFileControl1Items[] = {
    {"FileRename1", "File Rename", "FileRename1Click", false, {}},
    {"FileDelete1", "File Delete", "FileDelete1Click", false, {}},
    {"FSCopyControl1", "Copy Control", "FSCopyControl1Click", false, {}},
};

constexpr MainMenuItem kFileSystem1Items[] = {
    {"DriveControl1", "Drive Control", "", false, kDriveControl1Items},
    {"FileControl1", "File Control", "", false, kFileControl1Items},
};

constexpr MainMenuItem kConfiguration1Items[] = {
    {"MoudleBasicConfiguration1", "Moudle Basic Configuration", "", true, {}},
    {"DeviceManagement1", "Device Management", "", false, kDeviceManagement1Items},
    {"EquipmentManagement1", "Equipment Management", "", false, kEquipmentManagement1Items},
    {"AgentManagement1", "Agent Management", "", false, kAgentManagement1Items},
    {"SystemLog1", "System Log", "", false, kSystemLog1Items},
    {"SourceIPIF1", "Source IP Interface Settings", "SourceIPIF1Click", false, {}},
    {"TimeManagement1", "Time Management", "", false, kTimeManagement1Items},
    {"RCP1", "RCP", "", false, kRCP1Items},
    {"", "-", "", false, {}},
    {"Entity1", "Entity", "", true, kEntity1Items},
    {"IFMIB1", "IF-MIB", "", false, kIFMIB1Items},
    {"MIBII1", "MIB II", "", false, kMIBII1Items},
    {"EtherLikeMIB1", "EtherLike-MIB", "", false, kEtherLikeMIB1Items},
    {"FileSystem1", "File System", "", false, kFileSystem1Items},
    {"", "-", "", true, {}},
    {"SaveChanges1", "Save Changes", "", true, {}},
    {"RefreshPanel2", "Refresh Panel", "RefreshPanel1Click", false, {}},
};

constexpr MainMenuItem kProbeConfiguration1Items[] = {
    {"ProbeBasicInformation1", "Probe Basic Information", "ProbeBasicInformation1Click", false, {}},
    {"NetConfiguration1", "Net Configuration", "NetConfiguration1Click", false, {}},
    {"NetDefaultGateway1", "Net Default Gateway", "NetDefaultGateway1Click", false, {}},
};

constexpr MainMenuItem kMenu_RMONItems[] = {
    {"GlobalSettings9", "Global Settings", "GlobalSettings9Click", false, {}},
    {"Statistics1", "Statistics", "Statistics1Click", false, {}},
    {"History1", "History", "History1Click", false, {}},
    {"AlarmEvent1", "Alarm/Event", "AlarmEvent1Click", false, {}},
    {"ProbeConfiguration1", "Probe Configuration", "", false, kProbeConfiguration1Items},
};

constexpr MainMenuItem kN8021D1Items[] = {
    {"Information1", "Information", "Information1Click", false, {}},
    {"PortTable1", "Port Table", "PortTable1Click", true, {}},
};

constexpr MainMenuItem kSpanningTree1Items[] = {
    {"Information2", "Global Settings", "Information2Click", false, {}},
    {"MSTPConfigurationIdentification1", "MSTP Configuration Identification", "MSTPConfigurationIdentification1Click", false, {}},
    {"MSTPInstanceControl1", "MSTP Instance Control", "MSTPInstanceControl1Click", false, {}},
    {"PortStateInformation1", "STP Port State Information", "PortStateInformation1Click", false, {}},
    {"MSTPPortStateInformation1", "MSTP Port State Information", "MSTPPortStateInformation1Click", false, {}},
    {"STPPortTable1", "STP Port Table", "STPPortTable1Click", true, {}},
};

constexpr MainMenuItem kTransparentBridge1Items[] = {
    {"ForwardingTable1", "Forwarding Table", "ForwardingTable1Click", false, {}},
    {"StaticTable1", "Static Table", "StaticTable1Click", true, {}},
    {"PortCounter1", "Port Counter", "PortCounter1Click", false, {}},
};

constexpr MainMenuItem kBridge1Items[] = {
    {"SpanningTreeAlgorithm1", "Spanning Tree Algorithm", "SpanningTreeAlgorithm1Click", false, {}},
    {"N8021D1", "802.1D", "", false, kN8021D1Items},
    {"SpanningTree1", "Spanning Tree", "", false, kSpanningTree1Items},
    {"TransparentBridge1", "Transparent Bridge", "", false, kTransparentBridge1Items},
};

constexpr MainMenuItem kPriorityInformation1Items[] = {
    {"DefaultUserPrioritiesofEachPort1", "Default User Priorities Of Each Port", "DefaultUserPrioritiesofEachPort1Click", false, {}},
    {"RegeneratedUserPriorities1", "Regenerated User Priorities", "RegeneratedUserPriorities1Click", true, {}},
    {"UserPrioritiesToTrafficClass", "User Priorities To Traffic Class Table", "UserPrioritiesToTrafficClassClick", false, {}},
    {"PortOutboundAccessPriorities1", "Port Outbound Access Priorities", "PortOutboundAccessPriorities1Click", true, {}},
};

constexpr MainMenuItem kHighCapacity1Items[] = {
    {"PortTable2", "Port Table", "PortTable2Click", true, {}},
    {"PortOverFlow1", "Port Overflow", "PortOverFlow1Click", true, {}},
};

constexpr MainMenuItem kN8021p1Items[] = {
    {"BasicConfigure2", "Basic Configuration", "BasicConfigure2Click", false, {}},
    {"PriorityInformation1", "Priority Information", "", false, kPriorityInformation1Items},
    {"GMRP1", "GMRP", "", true, {}},
    {"GVRP1", "GARP", "GVRP1Click", false, {}},
    {"PortCapbility1", "Port Capability", "PortCapbility1Click", false, {}},
    {"HighCapacity1", "High Capacity", "", true, kHighCapacity1Items},
};

constexpr MainMenuItem kN8021QBridge1Items[] = {
    {"BasicConfigure", "Basic Configuration", "BasicConfigureClick", false, {}},
    {"PortsInfo1", "Port Information", "PortsInfo1Click", false, {}},
};

constexpr MainMenuItem kForwardingFiltering1Items[] = {
    {"UnicastForwardingInformation1", "Unicast Forwarding Information", "UnicastForwardingInformation1Click", false, {}},
    {"TpGroupDestinationForwarded1", "Tp Group Destination Forwarded", "TpGroupDestinationForwarded1Click", true, {}},
    {"MulticastForwardingInformation1", "Multicast Forwarding Information", "MulticastForwardingInformation1Click", true, {}},
    {"ForwardUnregisteredInformation1", "Forward Unregistered Information", "ForwardUnregisteredInformation1Click", true, {}},
    {"Databaseinformation1", "Filtering Database", "Databaseinformation1Click", false, {}},
    {"FilteringInformation1", "Filtering Information", "FilteringInformation1Click", true, {}},
};

constexpr MainMenuItem kN8021QVLAN1Items[] = {
    {"StaticForm1", "Static Table", "StaticForm1Click", false, {}},
    {"CurrentForm1", "Current Table", "CurrentForm1Click", false, {}},
};

constexpr MainMenuItem kStaticFiltering1Items[] = {
    {"UnicastInformation1", "Unicast Information", "UnicastInformation1Click", false, {}},
    {"MulticastInformation1", "Multicast Information", "MulticastInformation1Click", false, {}},
};

constexpr MainMenuItem kN8021Q1Items[] = {
    {"N8021QBridge1", "802.1Q Bridge", "", false, kN8021QBridge1Items},
    {"ForwardingFiltering1", "Forwarding/Filtering", "", false, kForwardingFiltering1Items},
    {"N8021QVLAN1", "802.1Q VLAN ", "", false, kN8021QVLAN1Items},
    {"StaticFiltering1", "Static Filtering ", "", false, kStaticFiltering1Items},
};

constexpr MainMenuItem kVLANManagement1Items[] = {
    {"PVIDAutoAssignment1", "PVID Auto Assignment State", "PVIDAutoAssignment1Click", false, {}},
    {"VLANTable1", "VLAN Table", "VLANTable1Click", false, {}},
};

constexpr MainMenuItem kProtocolVLANManagement1Items[] = {
    {"ProtocolVLANGroup1", "Group Table", "ProtocolVLANGroup1Click", false, {}},
    {"ProtocolVLANPort1", "Port Table", "ProtocolVLANPort1Click", false, {}},
};

constexpr MainMenuItem kDoubleVLAN1Items[] = {
    {"GlobalState1", "Global Settings", "GlobalState1Click", false, {}},
    {"DoubleVlanControlTable1", "Control  Table", "DoubleVlanControlTable1Click", false, {}},
};

constexpr MainMenuItem kQinQ1Items[] = {
    {"QinQGlobalSettings1", "Global Settings", "QinQGlobalSettings1Click", false, {}},
    {"QinQPortTable1", "Port Table\n", "QinQPortTable1Click", false, {}},
    {"QinQPortRuleTable1", "Q-in-Q Port Rule Table\n", "QinQPortRuleTable1Click", true, {}},
    {"VLANTranslateTable1", "VLAN Translation Table", "VLANTranslateTable1Click", false, {}},
    {"QinQProfileTable1", "Q-in-Q Profile Table\n", "QinQProfileTable1Click", true, {}},
    {"QinQRuleTable1", "Q-in-Q Rule Table\n", "QinQRuleTable1Click", true, {}},
};

constexpr MainMenuItem kSubnetVLAN1Items[] = {
    {"PrecedenceTable1", "Precedence Table\n", "PrecedenceTable1Click", false, {}},
    {"PrecedenceTable2", "VLAN Table", "PrecedenceTable2Click", false, {}},
    {"IPv6Table1", "IPv6 Table", "IPv6Table1Click", false, {}},
};

constexpr MainMenuItem kSuperVLAN1Items[] = {
    {"SuperVLANTable1", "Super VLAN Table", "SuperVLANTable1Click", false, {}},
    {"SubVLANTable1", "Sub VLAN Table", "SubVLANTable1Click", false, {}},
    {"SubVLANIPRangeTable1", "Sub VLAN IP Range Table", "SubVLANIPRangeTable1Click", false, {}},
};

constexpr MainMenuItem kVLAN1Items[] = {
    {"N8021p1", "802.1p", "", false, kN8021p1Items},
    {"N8021Q1", "802.1Q", "", false, kN8021Q1Items},
    {"VLANManagement1", "VLAN Management", "", false, kVLANManagement1Items},
    {"ProtocolVLAN1", "Protocol VLAN", "ProtocolVLAN1Click", true, {}},
    {"ProtocolVLANManagement1", "Protocol VLAN", "", false, kProtocolVLANManagement1Items},
    {"DoubleVLAN1", "Double VLAN", "", false, kDoubleVLAN1Items},
    {"MACBasedVLAN1", "Static MAC-based VLAN", "MACBasedVLAN1Click", false, {}},
    {"QinQ1", "Q-in-Q", "", false, kQinQ1Items},
    {"SubnetVLAN1", "Subnet VLAN", "", false, kSubnetVLAN1Items},
    {"SuperVLAN1", "Super VLAN", "", false, kSuperVLAN1Items},
    {"VLANTrunk1", "VLAN Trunk", "VLANTrunk1Click", false, {}},
};

constexpr MainMenuItem kSNMPTargetMIB1Items[] = {
    {"GeneralInformation1", "General Information", "GeneralInformation1Click", false, {}},
    {"TargetAddressTable1", "Target Address Table", "TargetAddressTable1Click", false, {}},
    {"TargetParameters1", "Target Parameters", "TargetParameters1Click", false, {}},
};

constexpr MainMenuItem kUserbasedSecurityModel1Items[] = {
    {"Statistics2", "Statistics", "Statistics2Click", false, {}},
    {"UserTable1", "User Table", "UserTable1Click", false, {}},
};

constexpr MainMenuItem kViewbasedAccessControlMode1Items[] = {
    {"SecurityGroupTable1", "Security Group Table", "SecurityGroupTable1Click", false, {}},
    {"AccessTable1", "Access Table", "AccessTable1Click", false, {}},
    {"ViewMIBTreeFamilyTable1", "View MIB Tree Family Table", "ViewMIBTreeFamilyTable1Click", false, {}},
};

constexpr MainMenuItem kNotifications1Items[] = {
    {"NotifyTable1", "Notify Table", "NotifyTable1Click", false, {}},
    {"FilterProfileTable1", "Filter Profile Table", "FilterProfileTable1Click", false, {}},
    {"FilterTable1", "Filter Table", "FilterTable1Click", false, {}},
};

constexpr MainMenuItem kCommunity1Items[] = {
    {"CommunityStringTable1", "Community String Table", "CommunityStringTable1Click", false, {}},
    {"TargetAddressTable2", "Target Address Table", "TargetAddressTable2Click", false, {}},
};

constexpr MainMenuItem kVACM1Items[] = {
    {"SNMPEngine1", "SNMP Engine", "SNMPEngine1Click", false, {}},
    {"MessageProcessingAndDispatching1", "Message Processing And Dispatching", "MessageProcessingAndDispatching1Click", false, {}},
    {"SNMPTargetMIB1", "SNMP Target MIB", "", false, kSNMPTargetMIB1Items},
    {"UserbasedSecurityModel1", "User-based Security Model", "", false, kUserbasedSecurityModel1Items},
    {"ViewbasedAccessControlMode1", "View-based Access Control Mode", "", false, kViewbasedAccessControlMode1Items},
    {"Notifications1", "Notifications", "", false, kNotifications1Items},
    {"Community1", "Community", "", false, kCommunity1Items},
    {"SnmpFrameworkMIB1", "Snmp Framework MIB", "", true, {}},
};

constexpr MainMenuItem kMACbasedAuthentication1Items[] = {
    {"AuthenticationPortSettings1", "Authentication Port Settings", "AuthenticationPortSettings1Click", false, {}},
    {"PAEPortSettings1", "PAE Port Settings", "PAEPortSettings1Click", false, {}},
};

constexpr MainMenuItem kN8021X1Items[] = {
    {"Configuration2", "Global Settings", "Configuration2Click", false, {}},
    {"PAEPortTable1", "Port Table", "PAEPortTable1Click", false, {}},
    {"PortAuthenticationConfiguration1", "Port Configuration", "PortAuthenticationConfiguration1Click", false, {}},
    {"PortAuthStatistics1", "Port Statistics", "PortAuthStatistics1Click", false, {}},
    {"Diagnostics1", "Port Diagnostics", "Diagnostics1Click", false, {}},
    {"PortSessionStatistics1", "Port Session Statistics", "PortSessionStatistics1Click", false, {}},
    {"", "-", "", false, {}},
    {"GuestVLAN1", "Guest VLAN", "GuestVLAN1Click", false, {}},
    {"MACbasedAuthentication1", "MAC-based Authentication", "", false, kMACbasedAuthentication1Items},
};

constexpr MainMenuItem kAccountingControl1Items[] = {
    {"AccountingServerInformation1", "Basic Information", "AccountingServerInformation1Click", false, {}},
    {"AccountingServerTable1", "Server Table", "AccountingServerTable1Click", false, {}},
    {"ServiceTable1", "Service Table", "", true, {}},
};

constexpr MainMenuItem kPAEAuthenticator1Items[] = {
    {"PortTable8", "Settings", "PortTable8Click", false, {}},
    {"ConfigurationTable1", "Configuration Table", "ConfigurationTable1Click", false, {}},
    {"StateTable2", "State Table", "StateTable2Click", false, {}},
};

constexpr MainMenuItem kRADIUSManagement1Items[] = {
    {"Command1", "Command", "Command1Click", false, {}},
    {"RadiusServerTabl1", "RADIUS Server Table", "RadiusServerTabl1Click", false, {}},
    {"AuthenticationServer1", "Authentication Information", "AuthenticationServer1Click", false, {}},
    {"AuthenticationServerTable1", "Authentication Table", "AuthenticationServerTable1Click", false, {}},
    {"AccountingSettings1", "Accounting Settings", "AccountingSettings1Click", false, {}},
    {"AccountingControl1", "Accounting Control", "", true, kAccountingControl1Items},
    {"PAEAuthenticator1", "PAE Authenticator", "", false, kPAEAuthenticator1Items},
};

constexpr MainMenuItem kAAC1Items[] = {
    {"TACACSControl1", "Global Settings", "TACACSControl1Click", false, {}},
    {"", "-", "", false, {}},
    {"TACACSInformation1", "Information", "TACACSInformation1Click", false, {}},
    {"LoginMethodControl1", "Login Method List Settings", "LoginMethodControl1Click", false, {}},
    {"LoginInformation1", "Login Information", "LoginInformation1Click", false, {}},
    {"EnableMethodControl1", "Enable Method Settings", "EnableMethodControl1Click", false, {}},
    {"ServerGroup1", "Server Group", "ServerGroup1Click", false, {}},
    {"ServerInformation1", "Server Information", "ServerInformation1Click", false, {}},
    {"ServerControl1", "Server Settings", "ServerControl1Click", false, {}},
};

constexpr MainMenuItem kCompoundAuthentication1Items[] = {
    {"PortTable7", "Port Table", "PortTable7Click", false, {}},
    {"GuestVLANTable1", "Guest VLAN Table", "GuestVLANTable1Click", false, {}},
    {"NetworkSettings1", "Network\n Settings", "NetworkSettings1Click", false, {}},
};

constexpr MainMenuItem kSSH1Items[] = {
    {"SSHManagement1", "Global Settings", "SSHManagement1Click", false, {}},
    {"", "-", "", false, {}},
    {"DiffieHellmanAlgorithm1", "Diffie Hellman Algorithm", "DiffieHellmanAlgorithm1Click", true, {}},
    {"EncryptionAlgorithm1", "Encryption Algorithm Settings", "EncryptionAlgorithm1Click", false, {}},
    {"AuthenticationMethod1", "Authentication Method Settings", "AuthenticationMethod1Click", false, {}},
    {"UserControlTable1", "User Control Table", "UserControlTable1Click", false, {}},
    {"HMACAlgorithm1", "HMAC Algorithm", "HMACAlgorithm1Click", true, {}},
    {"PublicKeyAlgorithm1", "Public Key Algorithm", "PublicKeyAlgorithm1Click", true, {}},
};

constexpr MainMenuItem kSSL1Items[] = {
    {"SSLManagement1", "Global Settings", "SSLManagement1Click", false, {}},
    {"SSLCertificateLevel1", "Certificate File", "SSLCertificateLevel1Click", false, {}},
};

constexpr MainMenuItem kKelvaneEngine1Items[] = {
    {"GlobalManagement1", "Global Settings", "GlobalManagement1Click", false, {}},
    {"ProtectControl1", "Control Settings", "ProtectControl1Click", false, {}},
    {"ArpStormControl1", "ARP Storm Control", "ArpStormControl1Click", true, {}},
};

constexpr MainMenuItem kIPMACPortBinding1Items[] = {
    {"BindingControl1", "Global Settings", "BindingControl1Click", false, {}},
    {"AllPorts1", "All Ports Management", "AllPorts1Click", false, {}},
    {"PortInformation3", "Port Information", "PortInformation3Click", false, {}},
    {"BindingTable1", "Binding Table", "BindingTable1Click", false, {}},
    {"BindingBlockedTable1", "Blocked Table", "BindingBlockedTable1Click", false, {}},
    {"D1", "DHCP Snooping Table", "D1Click", false, {}},
    {"IPv6Table2", "IPv6 Table", "IPv6Table2Click", false, {}},
    {"IPv6DHCPSnoopingTable1", "IPv6 DHCP Snooping Table", "IPv6DHCPSnoopingTable1Click", false, {}},
    {"NDSnoopingTable1", "ND Snooping Table", "NDSnoopingTable1Click", false, {}},
};

constexpr MainMenuItem kWebAuthentication1Items[] = {
    {"WACAuthControl1", "Global Settings", "WACAuthControl1Click", false, {}},
    {"AuthenticationInformation1", "Information", "AuthenticationInformation1Click", true, {}},
    {"StateTable3", "State Table", "StateTable3Click", false, {}},
    {"WACPortTable1", "Port Table", "WACPortTable1Click", false, {}},
    {"AuthUserTable1", "User Table", "AuthUserTable1Click", false, {}},
};

constexpr MainMenuItem kMBAManagement2Items[] = {
    {"MBAControl1", "Global Settings", "MBAControl1Click", false, {}},
    {"Information4", "Information", "Information4Click", false, {}},
    {"MBAInformation1", "Authentication Information", "MBAInformation1Click", false, {}},
    {"MBAPortManagement1", "Port Table", "MBAPortManagement1Click", false, {}},
    {"MBAManagement1", "Datebase Table", "MBAManagement1Click", false, {}},
    {"StateTable1", "State Table", "StateTable1Click", true, {}},
    {"DiagnosticsInformation1", "Diagnostics Information", "DiagnosticsInformation1Click", true, {}},
    {"StatisticTable1", "PAE Over Land  Frames Statistic Table", "StatisticTable1Click", true, {}},
    {"SessionInformation1", "Session Information", "SessionInformation1Click", true, {}},
};

constexpr MainMenuItem kZEMOManagement1Items[] = {
    {"GlobalSettings2", "Global Settings", "GlobalSettings2Click", false, {}},
    {"UpdateServerTable1", "Update Server Table", "UpdateServerTable1Click", false, {}},
    {"PortTable6", "Port Table", "PortTable6Click", false, {}},
    {"HostTable2", "Host Table", "HostTable2Click", false, {}},
    {"PageElementTable1", "Page Element Table\n", "PageElementTable1Click", false, {}},
    {"WebAuthenticationUserTable1", "Web Authentication User Table", "WebAuthenticationUserTable1Click", false, {}},
};

constexpr MainMenuItem kBPDUProtection1Items[] = {
    {"GlobalSettings1", "Global Settings", "GlobalSettings1Click", false, {}},
    {"PortTable5", "Port Table", "PortTable5Click", false, {}},
};

constexpr MainMenuItem kSecurityManagement1Items[] = {
    {"Auth1", "Authentication Mode Settings", "Auth1Click", false, {}},
    {"", "-", "", false, {}},
    {"N8021X1", "802.1X", "", false, kN8021X1Items},
    {"RADIUSManagement1", "RADIUS Management", "", false, kRADIUSManagement1Items},
    {"AAC1", "AAC", "", false, kAAC1Items},
    {"CompoundAuthentication1", "Compound Authentication", "", false, kCompoundAuthentication1Items},
    {"", "-", "", false, {}},
    {"SSH1", "SSH", "", false, kSSH1Items},
    {"SSL1", "SSL", "", false, kSSL1Items},
    {"", "-", "", false, {}},
    {"KelvaneEngine1", "Kelvane Engine", "", false, kKelvaneEngine1Items},
    {"IPMACPortBinding1", "IP-MAC-Port Binding", "", false, kIPMACPortBinding1Items},
    {"", "-", "", false, {}},
    {"WebAuthentication1", "Web Authentication", "", false, kWebAuthentication1Items},
    {"MBAManagement2", "MBA Management", "", false, kMBAManagement2Items},
    {"ZEMOManagement1", "ZEMO Management", "", false, kZEMOManagement1Items},
    {"", "-", "", false, {}},
    {"BPDUProtection1", "BPDU Protection", "", false, kBPDUProtection1Items},
    {"ARPSpoofingPrevention1", "ARP Spoofing Prevention", "ARPSpoofingPrevention1Click", false, {}},
};

constexpr MainMenuItem kDDMMangement1Items[] = {
    {"ControlTable6", "Settings", "ControlTable6Click", false, {}},
    {"StatusTable2", "Status Table", "StatusTable2Click", false, {}},
    {"ThresholdManagementTable2", "Threshold Management Table", "ThresholdManagementTable2Click", false, {}},
    {"ActionManagementTable1", "Action Management Table", "", true, {}},
    {"PortManagementTable4", "Port Management Table", "PortManagementTable4Click", false, {}},
};

constexpr MainMenuItem kPortSecurityManagement1Items[] = {
    {"PortSecurityTable1", "Port Security Table", "PortSecurityTable1Click", false, {}},
    {"PortSercurityDelete1", "Port Security Delete", "PortSercurityDelete1Click", false, {}},
};

constexpr MainMenuItem kPortManagement1Items[] = {
    {"JumboFrameCtrl1", "Jumbo Frame Control", "JumboFrameCtrl1Click", false, {}},
    {"PortInformation1", "Port Information Table", "PortInformation1Click", false, {}},
    {"PortControl1", "Port Control Table", "PortControl1Click", false, {}},
    {"PortAutoNegInformationTable1", "Port Auto Negotiation Information Table\n", "PortAutoNegInformationTable1Click", false, {}},
    {"PortDropCounterTable1", "Port Drop Counter Table\n", "PortDropCounterTable1Click", false, {}},
    {"PortCableDiagnostics1", "Port Cable Diagnostics", "PortCableDiagnostics1Click", false, {}},
    {"DDMMangement1", "DDM Mangement", "", false, kDDMMangement1Items},
    {"", "-", "", false, {}},
    {"TrunkBasicInformation1", "Trunk Basic Information", "TrunkBasicInformation1Click", false, {}},
    {"PortTrunk2", "Port Trunk Table", "PortTrunk2Click", false, {}},
    {"LACPPortTable1", "LACP Port Table", "LACPPortTable1Click", false, {}},
    {"", "-", "", false, {}},
    {"PortMirrorTable1", "Port Mirror Table", "PortMirrorTable1Click", true, {}},
    {"MirrorGroupTable1", "Mirror Group Table", "MirrorGroupTable1Click", false, {}},
    {"", "-", "", false, {}},
    {"PortSecurityManagement1", "Port Security Management", "", false, kPortSecurityManagement1Items},
};

constexpr MainMenuItem kQoS1Items[] = {
    {"QOSControl1", "HOL Prevention Settings", "QOSControl1Click", false, {}},
    {"BandwidthControlTable1", "Bandwidth Control Table", "BandwidthControlTable1Click", false, {}},
    {"SchedulingTable1", "Scheduling Table", "SchedulingTable1Click", false, {}},
    {"N8021pUserPriorityTable1", "802.1p User Priority Table", "N8021pUserPriorityTable1Click", true, {}},
    {"N8021pDefaultPriorityTable1", "802.1p Default Priority Table", "N8021pDefaultPriorityTable1Click", false, {}},
    {"CoSBandwidthControlSettings1", "CoS Bandwidth Control Settings", "CoSBandwidthControlSettings1Click", false, {}},
};

constexpr MainMenuItem kRSPAN1Items[] = {
    {"RSPANStateSettings1", "Global Settings", "RSPANStateSettings1Click", false, {}},
    {"RSPANInformation1", "Information", "RSPANInformation1Click", false, {}},
    {"RSPANTable1", "RSPAN Table", "RSPANTable1Click", false, {}},
};

constexpr MainMenuItem kIGMPSnooping1Items[] = {
    {"IGMPGeneral1", "Global Settings", "IGMPGeneral1Click", false, {}},
    {"IGMPControlTable1", "Control Table", "IGMPControlTable1Click", false, {}},
    {"IGMPQuery1", "Query Information", "IGMPQuery1Click", false, {}},
    {"IGMPRouterPorts1", "Router Ports", "IGMPRouterPorts1Click", false, {}},
    {"IGMPInformation1", "IGMP Snooping Information ", "IGMPInformation1Click", true, {}},
    {"IGMPMulticastVLAN1", "Multicast VLAN", "IGMPMulticastVLAN1Click", false, {}},
    {"IGMPForwardingTable1", "Forwarding Table", "IGMPForwardingTable1Click", false, {}},
    {"IGMPMulticastVLANGroup1", "Multicast VLAN Group Table", "IGMPMulticastVLANGroup1Click", false, {}},
    {"StaticGroupGroup1", "Static Group Table", "StaticGroupGroup1Click", false, {}},
    {"IGMPSnoopingGroupTable1", "Group Table\n", "IGMPSnoopingGroupTable1Click", false, {}},
    {"DataDrivenLearningGroupTable1", "Data Driven Learning Group Table", "DataDrivenLearningGroupTable1Click", false, {}},
};

constexpr MainMenuItem kMLDSnooping1Items[] = {
    {"SnoopingManagement1", "Global Settings", "SnoopingManagement1Click", false, {}},
    {"SnoopingControl1", "Control Table", "SnoopingControl1Click", false, {}},
    {"RouterPorts1", "Router Ports", "RouterPorts1Click", false, {}},
    {"SnoopingGroupInformation1", "Group Table\n", "SnoopingGroupInformation1Click", false, {}},
    {"MLDSnoopingForwardingTable1", "Forwarding Table\n", "MLDSnoopingForwardingTable1Click", false, {}},
    {"DataDrivenLearningGroupTable2", "Data Driven Learning Group Table", "DataDrivenLearningGroupTable2Click", false, {}},
};

constexpr MainMenuItem kTrafficStormManagement1Items[] = {
    {"PacketStormControl1", "Global Settings", "PacketStormControl1Click", false, {}},
    {"PacketStormControlTable1", "Control Table", "PacketStormControlTable1Click", false, {}},
};

constexpr MainMenuItem kIPLimitedMulticastManagement1Items[] = {
    {"LimitedMulticastTable1", "Limited Multicast Table", "LimitedMulticastTable1Click", false, {}},
    {"LimitedMulticastAddressTable1", "Address Table", "LimitedMulticastAddressTable1Click", false, {}},
    {"MulticastRangeTable1", "Multicast Range Table", "MulticastRangeTable1Click", false, {}},
};

constexpr MainMenuItem kIPMulticastVLANReplication1Items[] = {
    {"GlobalSettings6", "Global Settings", "GlobalSettings6Click", false, {}},
    {"EntryTable1", "Entry Table", "EntryTable1Click", false, {}},
    {"SourceTable1", "Source Table", "SourceTable1Click", false, {}},
    {"DestinationTable1", "Destination Table", "DestinationTable1Click", false, {}},
};

constexpr MainMenuItem kACL1Items[] = {
    {"ACLControl1", "Global Information ", "ACLControl1Click", false, {}},
    {"ACLMaskDeleteALL1", "Delete All Mask", "ACLMaskDeleteALL1Click", false, {}},
    {"ACLCourter1", "Counter Table ", "ACLCourter1Click", false, {}},
    {"ACLFlowMeter1", "Flow Meter Information", "ACLFlowMeter1Click", false, {}},
    {"ACLFolwMeterTable1", "Flow Meter Table", "ACLFolwMeterTable1Click", false, {}},
    {"", "-", "", false, {}},
    {"EthernetMask1", "Ethernet Mask", "EthernetMask1Click", false, {}},
    {"RuleOfEthernetInformation1", "Ethernet Rule", "RuleOfEthernetInformation1Click", false, {}},
    {"IPMaskInformation1", "IP Mask", "IPMaskInformation1Click", false, {}},
    {"IPRule1", "IP Rule", "IPRule1Click", false, {}},
    {"PayloadMaskInformation1", "Payload Mask Information", "PayloadMaskInformation1Click", true, {}},
    {"PayloadRule1", "Payload Rule", "PayloadRule1Click", true, {}},
    {"IPv6MaskInformation1", "IPv6 Mask", "IPv6MaskInformation1Click", false, {}},
    {"IPv6Rule1", "IPv6 Rule", "IPv6Rule1Click", false, {}},
    {"PacketContentMask1", "Packet Content Mask", "PacketContentMask1Click", false, {}},
    {"PacketContentRule1", "Packet Content Rule", "PacketContentRule1Click", false, {}},
    {"", "-", "", false, {}},
    {"IPMACBindingEthernetMask1", "IP-MAC Binding Ethernet Mask", "IPMACBindingEthernetMask1Click", false, {}},
    {"IPMACBindingEthernetRule1", "IP-MAC Binding Ethernet Rule", "IPMACBindingEthernetRule1Click", false, {}},
    {"IPMACBindingIPMask1", "IP-MAC Binding IP Mask", "IPMACBindingIPMask1Click", false, {}},
    {"IPMACBindingIPRule1", "IP-MAC Binding IP Rule", "IPMACBindingIPRule1Click", false, {}},
};

constexpr MainMenuItem kCPUInterfaceFiltering1Items[] = {
    {"CPUFilterControl1", "Global Settings", "CPUFilterControl1Click", false, {}},
    {"CPUACLMaskDeleteAll1", "Delete All Mask", "CPUACLMaskDeleteAll1Click", false, {}},
    {"", "-", "", false, {}},
    {"EthernetMaskCPUFilter1", "Ethernet Mask (CPU Interface Filtering)", "EthernetMaskCPUFilter1Click", false, {}},
    {"EthernetRuleCPUFilter1", "Ethernet Rule (CPU Interface Filtering)", "EthernetRuleCPUFilter1Click", false, {}},
    {"IPMaskCPUFilter1", "IP Mask (CPU Interface Filtering)", "IPMaskCPUFilter1Click", false, {}},
    {"IPRuleCPUFilter1", "IP Rule (CPU Interface Filtering)", "IPRuleCPUFilter1Click", false, {}},
    {"PacketContentMaskCPUFilter1", "Packet Content Mask (CPU Interface Filtering)", "PacketContentMaskCPUFilter1Click", false, {}},
    {"PacketContentRuleCPUFilter1", "Packet Content Rule (CPU Interface Filtering)", "PacketContentRuleCPUFilter1Click", false, {}},
    {"IPv6Mask1", "IPv6 Mask (CPU Interface Filtering)", "IPv6Mask1Click", false, {}},
    {"IPv6Rule2", "IPv6 Rule (CPU Interface Filtering)", "IPv6Rule2Click", false, {}},
};

constexpr MainMenuItem kN8023ad1Items[] = {
    {"AggregatorTable1", "Aggregator Table", "AggregatorTable1Click", false, {}},
    {"AggregatorPortList1", "Aggregator Port List", "AggregatorPortList1Click", false, {}},
    {"AggreatorPortTable1", "Aggregator Port Table", "AggreatorPortTable1Click", false, {}},
};

constexpr MainMenuItem kPOE1Items[] = {
    {"SystemControl1", "System Control", "SystemControl1Click", false, {}},
    {"Systeminformation1", "System information", "Systeminformation1Click", false, {}},
    {"PortControl2", "Port Control", "PortControl2Click", false, {}},
    {"Portinformation4", "Port information", "Portinformation4Click", false, {}},
};

constexpr MainMenuItem kConfiguration4Items[] = {
    {"Configuration3", "Configuration  Information", "Configuration3Click", false, {}},
    {"PortConfig2", "Port Configuration", "PortConfig2Click", false, {}},
    {"ConfigAddress2", "Management Address", "ConfigAddress2Click", false, {}},
};

constexpr MainMenuItem kStatistics4Items[] = {
    {"Statistics3", "Statistics Information", "Statistics3Click", false, {}},
    {"TxPortTable2", "TX Port Table", "TxPortTable2Click", false, {}},
    {"RxPortTable2", "RX Port Table", "RxPortTable2Click", false, {}},
};

constexpr MainMenuItem kLocalSystemData1Items[] = {
    {"SystemData1", "System Data", "SystemData1Click", false, {}},
    {"LocalPortTable2", "Port Table", "LocalPortTable2Click", false, {}},
    {"ManagermentAddressTable1", "Management Address Table", "ManagermentAddressTable1Click", false, {}},
};

constexpr MainMenuItem kRemoteSystemData1Items[] = {
    {"RemoteTAble1", "Remote Table", "RemoteTAble1Click", false, {}},
    {"MangermentAddressTable1", "Management Address Table", "MangermentAddressTable1Click", false, {}},
    {"UnknownTLVTable1", "Unknown TLV Table", "UnknownTLVTable1Click", false, {}},
    {"OrgDefineInfoTable1", "Remote Information", "OrgDefineInfoTable1Click", true, {}},
};

constexpr MainMenuItem kConfiguration5Items[] = {
    {"PortVlan1", "Port VLAN", "PortVlan1Click", false, {}},
    {"VLanName1", "VLAN Name", "VLanName1Click", false, {}},
    {"PotocolVlan1", "Protocol VLAN", "PotocolVlan1Click", false, {}},
    {"Protocol1", "Protocol", "Protocol1Click", false, {}},
};

constexpr MainMenuItem kLocalData1Items[] = {
    {"LocalDataIndex1", "Local Data  Table", "LocalDataIndex1Click", false, {}},
    {"VlanName2", "VLAN Name", "VlanName2Click", false, {}},
    {"ProtocolVlan2", "Protocol VLAN", "ProtocolVlan2Click", false, {}},
    {"Protocol2", "Protocol ", "Protocol2Click", false, {}},
};

constexpr MainMenuItem kRemoteData1Items[] = {
    {"RemoteDataIndex1", "Remote Data Table", "RemoteDataIndex1Click", false, {}},
    {"VlanName3", "VLAN Name", "VlanName3Click", false, {}},
    {"ProtocolVlan3", "Protocol VLAN", "ProtocolVlan3Click", false, {}},
    {"Protocol3", "Protocol", "Protocol3Click", false, {}},
};

constexpr MainMenuItem kLLDPDot11Items[] = {
    {"Configuration5", "Configuration", "", false, kConfiguration5Items},
    {"LocalData1", "Local Data", "", false, kLocalData1Items},
    {"RemoteData1", "Remote Data", "", false, kRemoteData1Items},
};

constexpr MainMenuItem kLocalData2Items[] = {
    {"PortTable3", "Port Table", "PortTable3Click", false, {}},
    {"PowerTable2", "Power Table", "PowerTable2Click", true, {}},
    {"LInkAggregationTable1", "Link Aggregation Table", "LInkAggregationTable1Click", false, {}},
    {"MaxSizeTabel1", "Max Frame Size Table", "MaxSizeTabel1Click", false, {}},
};

constexpr MainMenuItem kRemoteData2Items[] = {
    {"PortTable4", "Port Table", "PortTable4Click", false, {}},
    {"PowerTable3", "Power Table", "PowerTable3Click", false, {}},
    {"LinkAggregationTable2", "Link Aggregation Table", "LinkAggregationTable2Click", false, {}},
    {"MaxFrameSizeTable1", "Max Frame Size Table", "MaxFrameSizeTable1Click", false, {}},
};

constexpr MainMenuItem kLLDPDot31Items[] = {
    {"PortConfigTable1", "Port Configuration Table", "PortConfigTable1Click", false, {}},
    {"LocalData2", "Local Data", "", false, kLocalData2Items},
    {"RemoteData2", "Remote Data", "", false, kRemoteData2Items},
};

constexpr MainMenuItem kLLDP1Items[] = {
    {"Configuration4", "Configuration", "", false, kConfiguration4Items},
    {"Statistics4", "Statistics\n", "", false, kStatistics4Items},
    {"LocalSystemData1", "Local System  Data", "", false, kLocalSystemData1Items},
    {"RemoteSystemData1", "Remote System  Data", "", false, kRemoteSystemData1Items},
    {"LLDPDot11", "LLDP Dot1", "", false, kLLDPDot11Items},
    {"LLDPDot31", "LLDP Dot3", "", false, kLLDPDot31Items},
};

constexpr MainMenuItem kLoopbackDetection1Items[] = {
    {"LoopDetectControl1", "Global Settings", "LoopDetectControl1Click", false, {}},
    {"LoopDetectPortManagement1", "Port Management ", "LoopDetectPortManagement1Click", false, {}},
};

constexpr MainMenuItem kBPDUTunnelingSettings1Items[] = {
    {"BPDUTunnelControl1", "Global Settings", "BPDUTunnelControl1Click", false, {}},
    {"BPDUTunnelInformation1", "Information", "BPDUTunnelInformation1Click", false, {}},
    {"BPDUTunnelingPortTable1", "Port Table", "BPDUTunnelingPortTable1Click", false, {}},
};

constexpr MainMenuItem kERPS1Items[] = {
    {"GlobalSettings4", "Global Settings", "GlobalSettings4Click", false, {}},
    {"VLANTable3", "VLAN Table", "VLANTable3Click", false, {}},
};

constexpr MainMenuItem kLayer2Management2Items[] = {
    {"DeviceControl1", "Layer 2 Device Global Settings", "DeviceControl1Click", false, {}},
    {"PortManagement1", "Port Management", "", false, kPortManagement1Items},
    {"QoS1", "QoS ", "", false, kQoS1Items},
    {"RSPAN1", "RSPAN", "", false, kRSPAN1Items},
    {"", "-", "", false, {}},
    {"MulticastFilter1", "Multicast Filter", "MulticastFilter1Click", false, {}},
    {"IGMPSnooping1", "IGMP Snooping", "", false, kIGMPSnooping1Items},
    {"MLDSnooping1", "MLD Snooping", "", false, kMLDSnooping1Items},
    {"", "-", "", false, {}},
    {"TrafficStormManagement1", "Traffic Storm Management", "", false, kTrafficStormManagement1Items},
    {"IPLimitedMulticastManagement1", "IP Limited Multicast Management", "", false, kIPLimitedMulticastManagement1Items},
    {"TrafficSegmentationTable1", "Traffic Segmentation Table ", "TrafficSegmentationTable1Click", false, {}},
    {"IpLimitedMulticast11", "IP Limited Multicast", "IpLimitedMulticast11Click", true, {}},
    {"IPMulticastVLANReplication1", "IP Multicast VLAN Replication", "", false, kIPMulticastVLANReplication1Items},
    {"", "-", "", false, {}},
    {"ACL1", "ACL", "", false, kACL1Items},
    {"CPUInterfaceFiltering1", "CPU Interface Filtering", "", false, kCPUInterfaceFiltering1Items},
    {"", "-", "", true, {}},
    {"N8023ad1", "802.3ad", "", false, kN8023ad1Items},
    {"POE1", "PoE", "", false, kPOE1Items},
    {"", "-", "", false, {}},
    {"LLDP1", "LLDP", "", false, kLLDP1Items},
    {"", "-", "", false, {}},
    {"LoopbackDetection1", "Loopback Detection ", "", false, kLoopbackDetection1Items},
    {"BPDUTunnelingSettings1", "BPDU Tunneling Settings", "", false, kBPDUTunnelingSettings1Items},
    {"ERPS1", "ERPS", "", false, kERPS1Items},
    {"UnidirectionalLinkDetectionSettings1", "VULD Settings", "UnidirectionalLinkDetectionSettings1Click", false, {}},
    {"MulticastFdbTable1", "NLB Multicast FDB Settings", "MulticastFdbTable1Click", false, {}},
};

constexpr MainMenuItem kIPTunnel1Items[] = {
    {"IPTu1", "Interface Table", "IPTu1Click", false, {}},
    {"InterfaceConfigureTable1", "Interface Configure Table", "InterfaceConfigureTable1Click", false, {}},
};

constexpr MainMenuItem kIPManagement1Items[] = {
    {"AllInterfaceState1", "All Interface State", "AllInterfaceState1Click", false, {}},
    {"ARPAgingTime2", "ARP Aging Time", "ARPAgingTime2Click", false, {}},
    {"IPControlTable1", "IP Control Table", "IPControlTable1Click", false, {}},
    {"IPv6ControlTable1", "IPv6 Control Table", "IPv6ControlTable1Click", false, {}},
    {"IPv6AddressControl1", "IPv6 Address Control", "IPv6AddressControl1Click", false, {}},
    {"IPForwardingTable1", "IP Forwarding Table", "IPForwardingTable1Click", false, {}},
    {"IPStaticRoutingtable1", "IP Static Route Table", "IPStaticRoutingtable1Click", false, {}},
    {"IPMulticaststaticroute1", "IP Multicast Static Route Table", "IPMulticaststaticroute1Click", false, {}},
    {"LoopBackIPControl1", "Loopback IP Control Table", "LoopBackIPControl1Click", false, {}},
    {"IPTunnel1", "IP Tunnel", "", false, kIPTunnel1Items},
};

constexpr MainMenuItem kDHCPServer1Items[] = {
    {"DHCPServerControl1", "Global Settings", "DHCPServerControl1Click", false, {}},
    {"DHCPServerExcludedAddressTable1", "Excluded Address Table\n", "DHCPServerExcludedAddressTable1Click", false, {}},
    {"DHCPServerPoolTable1", "Pool Table", "DHCPServerPoolTable1Click", false, {}},
    {"DHCPServerDNSServerAddressTable1", "DNS Server Address Table\n", "DHCPServerDNSServerAddressTable1Click", false, {}},
    {"NetBIOSNameServerTable1", "NetBIOS Name Server Table\n", "NetBIOSNameServerTable1Click", false, {}},
    {"DefaultRouterTable1", "Default Router Table", "DefaultRouterTable1Click", false, {}},
    {"DHCPServerBindingTable1", "Manual Binding Table\n", "DHCPServerBindingTable1Click", false, {}},
    {"DynamicBindingTable1", "Dynamic Binding Table", "DynamicBindingTable1Click", false, {}},
};

constexpr MainMenuItem kDHCPv6Server1Items[] = {
    {"GlobalSettings7", "Global Settings", "GlobalSettings7Click", false, {}},
    {"ControlTable2", "Control Table", "ControlTable2Click", false, {}},
    {"PoolTable1", "Pool Table", "PoolTable1Click", false, {}},
    {"DNSServerAddressTable1", "DNS Server Address Table", "DNSServerAddressTable1Click", false, {}},
    {"ManualBindingTable1", "Manual Binding Table", "ManualBindingTable1Click", false, {}},
    {"ExcludedAddressTable1", "Excluded Address Table\n", "ExcludedAddressTable1Click", false, {}},
    {"BindingTable2", "Binding Table", "BindingTable2Click", false, {}},
};

constexpr MainMenuItem kLocalRelayManagement1Items[] = {
    {"GlobalSettings3", "Global Settings", "GlobalSettings3Click", false, {}},
    {"VLANTable2", "VLAN Table", "VLANTable2Click", false, {}},
};

constexpr MainMenuItem kRelayManagement1Items[] = {
    {"BOOTPBasicConfiguration1", "Global Settings", "BOOTPBasicConfiguration1Click", false, {}},
    {"BOOTPCtrlTable1", "Control Table", "BOOTPCtrlTable1Click", false, {}},
    {"Option601", "Option60 Settings", "Option601Click", false, {}},
    {"Option611", "Option61 Settings", "Option611Click", false, {}},
};

constexpr MainMenuItem kDHCPManagement1Items[] = {
    {"DHCPServer1", "DHCP Server", "", false, kDHCPServer1Items},
    {"DHCPv6Server1", "DHCPv6 Server", "", false, kDHCPv6Server1Items},
    {"LocalRelayManagement1", "Local Relay Management", "", false, kLocalRelayManagement1Items},
    {"RelayManagement1", "Relay Management", "", false, kRelayManagement1Items},
};

constexpr MainMenuItem kDHCPServerFilter1Items[] = {
    {"FilterDHCPPermitTable1", "Permit  Table", "FilterDHCPPermitTable1Click", false, {}},
    {"FilterDHCPPortTable1", "Port Table", "FilterDHCPPortTable1Click", false, {}},
    {"FilterDHCPServerLogManagement1", "Log Management", "FilterDHCPServerLogManagement1Click", false, {}},
    {"FilterNetBios1", "Filter NetBIOS Table", "FilterNetBios1Click", true, {}},
    {"FilterExternNetBIOSTable1", "Filter Extensive  NetBIOS Table", "FilterExternNetBIOSTable1Click", true, {}},
    {"FilterLayer3ControlPacketTable1", "Filter Layer3 Control Packet Table", "FilterLayer3ControlPacketTable1Click", true, {}},
};

constexpr MainMenuItem kDNSRelay1Items[] = {
    {"DNSBasicConfiguration1", "Global Settings", "DNSBasicConfiguration1Click", false, {}},
    {"DNSCtrlTable1", "Control Table", "DNSCtrlTable1Click", false, {}},
};

constexpr MainMenuItem kDNSResolver1Items[] = {
    {"GlobalSettings5", "Global Settings", "GlobalSettings5Click", false, {}},
    {"StaticNameServerTable1", "Static Name Server Table", "StaticNameServerTable1Click", false, {}},
    {"StaticNameServerTable2", "Dynamic Name Server Table", "StaticNameServerTable2Click", false, {}},
    {"StaticHostTable1", "Static Host Table", "StaticHostTable1Click", false, {}},
    {"DynamicHostTable1", "Dynamic Host Table", "DynamicHostTable1Click", false, {}},
};

constexpr MainMenuItem kCIDR1Items[] = {
    {"Information5", "Information", "Information5Click", false, {}},
    {"CIDRRFC20961", "Route Table", "CIDRRFC20961Click", false, {}},
};

constexpr MainMenuItem kOSPFRFC18501Items[] = {
    {"OSPFGeneral1", "OSPF General", "OSPFGeneral1Click", false, {}},
    {"AreaInfo1", "Area Information", "AreaInfo1Click", false, {}},
    {"LsdbInfo1", "Link State Database Information", "LsdbInfo1Click", false, {}},
    {"NeighborInfo1", "Neighbor Information", "NeighborInfo1Click", false, {}},
    {"InterfaceTable1", "Interface Table", "InterfaceTable1Click", false, {}},
    {"InterfaceInfo1", "Virtual Interface Table", "InterfaceInfo1Click", false, {}},
    {"HostTable1", "Host Table", "HostTable1Click", false, {}},
    {"OSPFTrap1", "OSPFTrap", "", true, {}},
};

constexpr MainMenuItem kOSPFv31Items[] = {
    {"GlobalSettings8", "Global Settings", "GlobalSettings8Click", false, {}},
    {"AeraTable1", "Area Table", "AeraTable1Click", false, {}},
    {"ASLSDBTable1", "AS-LSDB Table", "ASLSDBTable1Click", false, {}},
    {"AeraLSDBTable1", "Area LSDB Table", "AeraLSDBTable1Click", false, {}},
    {"LinkLSDBTable1", "Link LSDB Table", "LinkLSDBTable1Click", false, {}},
    {"InterfaceTable3", "Interface Table", "InterfaceTable3Click", false, {}},
    {"ViutualInterfaceTable1", "Virtual Interface Table", "ViutualInterfaceTable1Click", false, {}},
    {"NeighborTable1", "Neighbor Table", "NeighborTable1Click", false, {}},
    {"ViutualNeighborTable1", "Virtual Neighbor Table", "ViutualNeighborTable1Click", false, {}},
    {"AeraAggregateTable1", "Area Aggregate Table", "AeraAggregateTable1Click", false, {}},
    {"VirtualLinkLSDBTable1", "Virtual Link LSDB Table", "VirtualLinkLSDBTable1Click", false, {}},
};

constexpr MainMenuItem kmiVRRPItems[] = {
    {"VRRPControl1", "Global Settings", "VRRPControl1Click", false, {}},
    {"", "-", "", false, {}},
    {"VRRPOperation1", "Operation", "VRRPOperation1Click", false, {}},
    {"VirtualRouteAddress1", "Virtual Route Address", "VirtualRouteAddress1Click", false, {}},
    {"VRRPErrorStatistics1", "Error Statistics", "VRRPErrorStatistics1Click", false, {}},
    {"VirtualRouteStatistics1", "Virtual Route Statistics", "VirtualRouteStatistics1Click", false, {}},
};

constexpr MainMenuItem kBGP1Items[] = {
    {"GlobalInformation1", "Global Information", "GlobalInformation1Click", false, {}},
    {"Peer1", "Peer Table", "Peer1Click", false, {}},
    {"PathAttributeTable1", "Path Attribute Table", "PathAttributeTable1Click", false, {}},
};

constexpr MainMenuItem kPIM2Items[] = {
    {"PIMInfo1", "PIM Information", "PIMInfo1Click", false, {}},
    {"RendezvousPointsInfo1", "Rendezvous Points Information", "RendezvousPointsInfo1Click", false, {}},
};

constexpr MainMenuItem kPIMSM1Items[] = {
    {"PIMSMManagement1", "Global State", "PIMSMManagement1Click", false, {}},
    {"PIMCbsrInformation1", "PIM C_BSR Information", "PIMCbsrInformation1Click", false, {}},
    {"PIMCbsrTable1", "PIM C_BSR Table", "PIMCbsrTable1Click", false, {}},
    {"PIMCandidateRPManagement1", "PIM Candidate RP  Management", "PIMCandidateRPManagement1Click", false, {}},
    {"PIMCandidateRPTable1", "PIM Candidate RP Table", "PIMCandidateRPTable1Click", false, {}},
    {"PIMStpManagement1", "PIM SPT Management", "PIMStpManagement1Click", false, {}},
    {"PIMRegisterChecksumIncludingDataTable1", "PIM Register Checksum Including Data Table", "PIMRegisterChecksumIncludingDataTable1Click", false, {}},
    {"PIMInformation1", "PIM Information Management", "PIMInformation1Click", false, {}},
    {"PIMInformationTable1", "PIM Information Table", "PIMInformationTable1Click", false, {}},
    {"PIMStaticRPTable1", "PIM Static RP Table", "PIMStaticRPTable1Click", false, {}},
};

constexpr MainMenuItem kPIM1Items[] = {
    {"PIM2", "PIM ", "", false, kPIM2Items},
    {"PIMSM1", "PIM SM", "", false, kPIMSM1Items},
    {"", "-", "", true, {}},
};

constexpr MainMenuItem kIGMP1Items[] = {
    {"InterfaceTable2", "Interface Table", "InterfaceTable2Click", false, {}},
    {"CacheTable1", "Cache Table", "CacheTable1Click", false, {}},
    {"SourceListTable1", "Source List Table", "SourceListTable1Click", false, {}},
    {"CheckSubscriberSource1", "Check Subscriber Source", "CheckSubscriberSource1Click", false, {}},
};

constexpr MainMenuItem kIPv6StaticRouteManagement1Items[] = {
    {"IPv6StaticRoute1", "Route Table", "IPv6StaticRoute1Click", false, {}},
    {"TunnelTable1", "Tunnel Table", "TunnelTable1Click", false, {}},
    {"ARPControlIPv61", "Neighbor Cache Table", "ARPControlIPv61Click", false, {}},
    {"IPv6NeighborCacheDeleteAction1", "Neighbor Cache Delete Action", "IPv6NeighborCacheDeleteAction1Click", false, {}},
};

constexpr MainMenuItem kLayer3Management1Items[] = {
    {"DeviceCtrl1", "Layer 3 Device Global Settings", "DeviceCtrl1Click", false, {}},
    {"MD5Table1", "MD5 Information ", "MD5Table1Click", false, {}},
    {"IPManagement1", "IP Management", "", false, kIPManagement1Items},
    {"", "-", "", false, {}},
    {"DHCPManagement1", "DHCP Management", "", false, kDHCPManagement1Items},
    {"DHCPServerFilter1", "DHCP Server Filter", "", false, kDHCPServerFilter1Items},
    {"DNSRelay1", "DNS Relay", "", false, kDNSRelay1Items},
    {"DNSResolver1", "DNS Resolver", "", false, kDNSResolver1Items},
    {"HopCount1", "DHCPv6 Relay", "HopCount1Click", false, {}},
    {"", "-", "", false, {}},
    {"RouteRedistributionTable1", "Route Redistribution Table", "RouteRedistributionTable1Click", false, {}},
    {"RoutePreferenceTable1", "Route Preference", "RoutePreferenceTable1Click", false, {}},
    {"PolicyRoute1", "Policy Route", "PolicyRoute1Click", false, {}},
    {"", "-", "", false, {}},
    {"CIDR1", "CIDR", "", false, kCIDR1Items},
    {"RIPng1", "RIPng", "RIPng1Click", false, {}},
    {"RIP2RFC17241", "RIP2 (RFC1724)", "RIP2RFC17241Click", false, {}},
    {"OSPFRFC18501", "OSPF", "", false, kOSPFRFC18501Items},
    {"OSPFECMPManagement1", "OSPF ECMP Management", "OSPFECMPManagement1Click", false, {}},
    {"OSPFv31", "OSPFv3", "", false, kOSPFv31Items},
    {"miVRRP", "VRRP", "", false, kmiVRRPItems},
    {"BGP1", "BGP4", "", false, kBGP1Items},
    {"", "-", "", false, {}},
    {"IpMroute1", "IPMRoute", "IpMroute1Click", false, {}},
    {"DVMRPInterface1", "DVMRP Interface", "DVMRPInterface1Click", false, {}},
    {"DVMRP1", "DVMRP", "DVMRP1Click", false, {}},
    {"PIM1", "PIM", "", false, kPIM1Items},
    {"IGMP1", "IGMP v3", "", false, kIGMP1Items},
    {"IPv6StaticRouteManagement1", "IPv6 Static Route Management", "", false, kIPv6StaticRouteManagement1Items},
};

constexpr MainMenuItem kSingleIP1Items[] = {
    {"GlobalSettings10", "Global Settings", "GlobalSettings10Click", false, {}},
    {"Information6", "Information", "Information6Click", false, {}},
    {"MemberSwitch1", "Member Switch", "MemberSwitch1Click", false, {}},
    {"CandidateSwitch1", "Candidate Switch", "CandidateSwitch1Click", false, {}},
    {"GroupInformation1", "Group Information", "GroupInformation1Click", false, {}},
    {"NeighborSwitch1", "Neighbor Switch", "NeighborSwitch1Click", false, {}},
    {"MSTrapMessage1", "MS Trap Message", "MSTrapMessage1Click", true, {}},
};

constexpr MainMenuItem kSFLOW1Items[] = {
    {"GeneralInformation4", "General Information", "GeneralInformation4Click", false, {}},
    {"Receiver1", "Receiver", "Receiver1Click", false, {}},
    {"FlowSampler1", "Flow Sampler", "FlowSampler1Click", false, {}},
    {"CounterPoller1", "Counter Poller", "CounterPoller1Click", false, {}},
};

constexpr MainMenuItem kHelp1Items[] = {
    {"Help2", "Help", "Help2Click", false, {}},
    {"About1", "About", "About1Click", false, {}},
    {"Test2", "Test", "", true, {}},
};

constexpr MainMenuItem kTopItems[] = {
    {"Configuration1", "Configuration", "", false, kConfiguration1Items},
    {"Menu_RMON", "RMON", "", false, kMenu_RMONItems},
    {"Bridge1", "Bridge", "Bridge1Click", false, kBridge1Items},
    {"VLAN1", "VLAN", "", false, kVLAN1Items},
    {"VACM1", "SNMP v3", "", false, kVACM1Items},
    {"SecurityManagement1", "Security", "", false, kSecurityManagement1Items},
    {"Layer2Management2", "Layer 2 ", "", false, kLayer2Management2Items},
    {"Layer3Management1", "Layer 3", "", false, kLayer3Management1Items},
    {"SingleIP1", "Single IP", "", false, kSingleIP1Items},
    {"SFLOW1", "sFlow", "", false, kSFLOW1Items},
    {"Help1", "Help", "", false, kHelp1Items},
};

void Collect(std::span<const MainMenuItem> items, std::vector<const MainMenuItem*>& out) {
    for (const MainMenuItem& item : items) {
        out.push_back(&item);
        Collect(item.Children, out);
    }
}

const MainMenuItem* FindByName(std::span<const MainMenuItem> items, std::string_view name) {
    for (const MainMenuItem& item : items) {
        if (name == item.Name)
            return &item;
        if (const MainMenuItem* found = FindByName(item.Children, name))
            return found;
    }
    return nullptr;
}

bool FindPath(std::span<const MainMenuItem> items, const MainMenuItem* target,
              std::vector<const MainMenuItem*>& path) {
    for (const MainMenuItem& item : items) {
        path.push_back(&item);
        if (&item == target || FindPath(item.Children, target, path))
            return true;
        path.pop_back();
    }
    return false;
}

} // namespace

std::span<const MainMenuItem> MainMenuTopItems() { return kTopItems; }

std::vector<const MainMenuItem*> AllMainMenuItems() {
    std::vector<const MainMenuItem*> items;
    Collect(kTopItems, items);
    return items;
}

const MainMenuItem* FindMainMenuItem(std::string_view name) {
    return name.empty() ? nullptr : FindByName(kTopItems, name);
}

std::vector<const MainMenuItem*> MainMenuPath(const MainMenuItem& item) {
    std::vector<const MainMenuItem*> path;
    FindPath(kTopItems, &item, path);
    return path;
}

std::string MainMenuPathText(const MainMenuItem& item) {
    std::string text;
    for (const MainMenuItem* step : MainMenuPath(item)) {
        if (!text.empty())
            text += " > ";
        text += step->Caption;
    }
    return text;
}
