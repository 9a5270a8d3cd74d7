find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
find_package(PkgConfig REQUIRED)
find_package(OpenSSL REQUIRED)
find_package(JPEG REQUIRED)

# net-snmp: only the client and agent libraries, not the MIB modules.
find_path(NETSNMP_INCLUDE_DIR net-snmp/net-snmp-config.h REQUIRED)
find_library(NETSNMP_LIBRARY netsnmp REQUIRED)
find_library(NETSNMPAGENT_LIBRARY netsnmpagent REQUIRED)
add_library(netsnmp::client UNKNOWN IMPORTED)
set_target_properties(netsnmp::client PROPERTIES
  IMPORTED_LOCATION ${NETSNMP_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${NETSNMP_INCLUDE_DIR}
  INTERFACE_LINK_LIBRARIES "OpenSSL::Crypto")
add_library(netsnmp::agent UNKNOWN IMPORTED)
set_target_properties(netsnmp::agent PROPERTIES
  IMPORTED_LOCATION ${NETSNMPAGENT_LIBRARY}
  INTERFACE_LINK_LIBRARIES netsnmp::client)

if(QSW_BUILD_TESTS)
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()
if(QSW_BUILD_BENCH)
  find_package(benchmark REQUIRED)
endif()
