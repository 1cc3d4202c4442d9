#include "ui/properties/property_lists_win.h"

#include <windows.h>

#include <sql.h>
#include <sqlext.h>

#include <algorithm>

#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

// Running services are listed with this after their name.
constexpr char kRunningMarker[] = " *";

using AllocHandleFn = SQLRETURN(SQL_API*)(SQLSMALLINT, SQLHANDLE, SQLHANDLE*);
using SetEnvAttrFn = SQLRETURN(SQL_API*)(SQLHENV, SQLINTEGER, SQLPOINTER, SQLINTEGER);
using DataSourcesFn = SQLRETURN(SQL_API*)(SQLHENV, SQLUSMALLINT, SQLWCHAR*, SQLSMALLINT, SQLSMALLINT*, SQLWCHAR*,
                                          SQLSMALLINT, SQLSMALLINT*);

// The wide entry points: the ANSI ones are not implemented everywhere.
std::vector<std::string> OdbcDataSources() {
  std::vector<std::string> names;
  const Library odbc(LoadLibraryW(L"odbc32.dll"));
  auto alloc = LibraryFunction<AllocHandleFn>(odbc, "SQLAllocHandle");
  auto set_attr = LibraryFunction<SetEnvAttrFn>(odbc, "SQLSetEnvAttr");
  auto sources = LibraryFunction<DataSourcesFn>(odbc, "SQLDataSourcesW");
  auto free_handle = LibraryFunction<OdbcHandle::FreeHandleFn>(odbc, "SQLFreeHandle");
  if (!alloc || !set_attr || !sources || !free_handle) return names;
  OdbcHandle env(SQL_HANDLE_ENV, free_handle);
  if (!SQL_SUCCEEDED(alloc(SQL_HANDLE_ENV, SQL_NULL_HANDLE, env.receive()))) return names;
  set_attr(env.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  SQLWCHAR name[SQL_MAX_DSN_LENGTH + 1], description[512];
  SQLSMALLINT name_len = 0, description_len = 0;
  for (SQLUSMALLINT direction = SQL_FETCH_FIRST;
       SQL_SUCCEEDED(sources(env.get(), direction, name, SQL_MAX_DSN_LENGTH + 1, &name_len, description, 512,
                             &description_len));
       direction = SQL_FETCH_NEXT)
    names.push_back(WideToAnsi(reinterpret_cast<const wchar_t*>(name)));
  return names;
}

std::vector<std::string> ServiceNames() {
  std::vector<std::string> names;
  const ServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ENUMERATE_SERVICE));
  if (!manager) return names;
  DWORD needed = 0, count = 0, resume = 0;
  EnumServicesStatusExW(manager.get(), SC_ENUM_PROCESS_INFO, SERVICE_WIN32, SERVICE_STATE_ALL, nullptr, 0, &needed,
                        &count, &resume, nullptr);
  std::vector<BYTE> buffer(needed);
  resume = 0;
  if (needed == 0 || !EnumServicesStatusExW(manager.get(), SC_ENUM_PROCESS_INFO, SERVICE_WIN32, SERVICE_STATE_ALL,
                                            buffer.data(), needed, &needed, &count, &resume, nullptr))
    return names;
  const auto* services = reinterpret_cast<const ENUM_SERVICE_STATUS_PROCESSW*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    std::string name = WideToAnsi(services[i].lpServiceName);
    if (services[i].ServiceStatusProcess.dwCurrentState == SERVICE_RUNNING) name += kRunningMarker;
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::vector<std::string> RowChoices(const PropertyRow& row) {
  if (row.tools & TOOL_DATA_SOURCES) return OdbcDataSources();
  if (row.tools & TOOL_SERVICES) return ServiceNames();
  std::vector<std::string> items;
  for (std::string_view item : ListItems(row.word.view())) items.emplace_back(item);
  return items;
}

std::string StoredChoice(const PropertyRow& row, std::string_view item) {
  const std::string_view marker = kRunningMarker;
  if ((row.tools & TOOL_SERVICES) && item.size() > marker.size() && item.substr(item.size() - marker.size()) == marker)
    item.remove_suffix(marker.size());
  return std::string(item);
}

bool ListTakesTypedValue(const PropertyRow& row) { return (row.tools & (TOOL_DATA_SOURCES | TOOL_SERVICES)) != 0; }

}  // namespace zelo
