#include "MC_DriveNetwork.h"

#include <cmath>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "DefaultNetwork.h"
#include "afxconv.h"

using nlohmann::json;

namespace {
// A schema fault: the message names where in the document it lies.
struct SchemaError {
  std::string what;
};

[[noreturn]] void Fail(const std::string& where, const std::string& what) { throw SchemaError{where + ": " + what}; }

const json* Member(const json& object, const char* key, const std::string& where) {
  if (!object.is_object()) Fail(where, "must be an object");
  auto it = object.find(key);
  return it == object.end() ? nullptr : &*it;
}

long long Integer(const json& value, const std::string& where, long long min, long long max) {
  if (!value.is_number_integer() && !value.is_number_unsigned()) Fail(where, "must be an integer");
  long long n = value.is_number_unsigned() ? static_cast<long long>(value.get<unsigned long long>()) : value.get<long long>();
  if (value.is_number_unsigned() && value.get<unsigned long long>() > static_cast<unsigned long long>(max))
    Fail(where, "must lie between " + std::to_string(min) + " and " + std::to_string(max));
  if (n < min || n > max) Fail(where, "must lie between " + std::to_string(min) + " and " + std::to_string(max));
  return n;
}

uint32_t Mask(const json& value, const std::string& where) {
  if (value.is_string()) {
    const std::string& s = value.get_ref<const std::string&>();
    if (s.size() < 3 || s.size() > 10 || (s.compare(0, 2, "0x") != 0 && s.compare(0, 2, "0X") != 0) ||
        s.find_first_not_of("0123456789abcdefABCDEF", 2) != std::string::npos)
      Fail(where, "must be \"0x\" and 1 to 8 hexadecimal digits, or an integer");
    return static_cast<uint32_t>(std::stoul(s.substr(2), nullptr, 16));
  }
  return static_cast<uint32_t>(Integer(value, where, 0, 0xFFFFFFFFLL));
}

// A name or description: it ends up inside generated lines, which a control character would
// break or garble. Names may not be empty either. The document's UTF-8 becomes the ANSI code
// page of the process here, in which the kernel and the module hold every string.
CString Text(const json& value, const std::string& where, bool bName) {
  if (!value.is_string() || (bName && value.get_ref<const std::string&>().empty()))
    Fail(where, bName ? "must be a non-empty text" : "must be a text");
  const std::string& text = value.get_ref<const std::string&>();
  for (unsigned char ch : text)
    if (ch < 0x20 || ch == 0x7F) Fail(where, "holds a control character");
  CString converted;
  if (!AfxUtf8ToAnsi(text.data(), static_cast<int>(text.size()), converted))
    Fail(where, "holds a character that the ANSI code page " + std::to_string(AfxGetAnsiCodePage()) + " cannot hold");
  return converted;
}

std::unique_ptr<CMC_DriveSetup> ReadSetup(const json& j, const std::string& where) {
  auto setup = std::make_unique<CMC_DriveSetup>();
  if (!j.is_object()) Fail(where, "must be an object");
  if (const json* v = Member(j, "motionController", where))
    setup->SetMotionController(static_cast<int>(Integer(*v, where + ".motionController", -2147483647LL - 1, 2147483647LL)));
  if (const json* v = Member(j, "loopPeriodMs", where)) {
    if (!v->is_number() || !(v->get<double>() > 0) || !std::isfinite(v->get<double>()))
      Fail(where + ".loopPeriodMs", "must be a positive number");
    setup->SetLoopPeriodMs(v->get<double>());
  }
  if (const json* v = Member(j, "errorMask", where)) setup->SetErrorRegMask(Mask(*v, where + ".errorMask"));
  if (const json* v = Member(j, "errorBits", where)) {
    if (!v->is_array() || v->size() > 32) Fail(where + ".errorBits", "must be an array of at most 32 texts");
    for (std::size_t i = 0; i < v->size(); ++i)
      setup->SetErrorRegDesc(static_cast<int>(i), Text((*v)[i], where + ".errorBits[" + std::to_string(i) + "]", false));
  }
  if (const json* v = Member(j, "variables", where)) {
    if (!v->is_array()) Fail(where + ".variables", "must be an array of names");
    for (std::size_t i = 0; i < v->size(); ++i)
      setup->AddVariable(Text((*v)[i], where + ".variables[" + std::to_string(i) + "]", true));
  }
  return setup;
}

std::unique_ptr<CMC_DriveMotion> ReadMotion(const json& j, const std::string& where) {
  auto motion = std::make_unique<CMC_DriveMotion>();
  if (const json* v = Member(j, "functions", where)) {
    if (!v->is_array()) Fail(where + ".functions", "must be an array of names");
    for (std::size_t i = 0; i < v->size(); ++i) {
      std::string at = where + ".functions[" + std::to_string(i) + "]";
      CString name = Text((*v)[i], at, true);
      if (motion->FindFunction(name) >= 0) Fail(at, "names a function twice");
      motion->AddFunction(name);
    }
  }
  return motion;
}
}  // namespace

// Builds a network from a parsed document; friend of CMC_DriveNetwork.
class CMC_DriveNetworkLoader {
public:
  static std::unique_ptr<CMC_DriveNetwork> Build(const json& doc) {
    std::unique_ptr<CMC_DriveNetwork> net(new CMC_DriveNetwork);
    const json* master = Member(doc, "master", "document");
    if (master == nullptr) Fail("document", "has no \"master\"");
    const json* setup = Member(*master, "setup", "master");
    net->m_masterSetup = setup && !setup->is_null() ? ReadSetup(*setup, "master.setup") : std::make_unique<CMC_DriveSetup>();
    const json* motion = Member(*master, "motion", "master");
    net->m_masterMotion = motion && !motion->is_null() ? ReadMotion(*motion, "master.motion") : std::make_unique<CMC_DriveMotion>();
    const json* slaves = Member(*master, "slaves", "master");
    if (slaves == nullptr) return net;
    if (!slaves->is_array()) Fail("master.slaves", "must be an array");
    if (slaves->size() > CMC_DriveNetwork::kMaxSlaves)
      Fail("master.slaves", "has " + std::to_string(slaves->size()) + " slaves; at most " +
                                std::to_string(CMC_DriveNetwork::kMaxSlaves) + " (A to Z) are supported");
    net->m_slaves.resize(slaves->size());
    for (std::size_t i = 0; i < slaves->size(); ++i) {
      std::string where = "master.slaves[" + std::to_string(i) + "]";
      const json& s = (*slaves)[i];
      CMC_DriveNetwork::Slave& slave = net->m_slaves[i];
      if (!s.is_object()) Fail(where, "must be an object");
      if (const json* v = Member(s, "axisId", where)) slave.axisId = static_cast<unsigned char>(Integer(*v, where + ".axisId", 0, 255));
      bool hasAxisData = true;
      if (const json* v = Member(s, "axisData", where)) {
        if (!v->is_boolean()) Fail(where + ".axisData", "must be true or false");
        hasAxisData = v->get<bool>();
      }
      if (const json* v = Member(s, "setup", where); v && !v->is_null()) slave.setup = ReadSetup(*v, where + ".setup");
      if (const json* v = Member(s, "motion", where); v && !v->is_null()) slave.motion = ReadMotion(*v, where + ".motion");
      net->m_masterSetup->AddSlave(slave.axisId);
      if (hasAxisData) {
        slave.axisData = std::make_unique<CMC_DriveAxisData>(slave.setup.get(), slave.motion.get());
        net->m_masterMotion->SetSlaveAxis(static_cast<int>(i), slave.axisData.get());
      }
    }
    return net;
  }
};

CMC_DriveNetwork::CMC_DriveNetwork() = default;
CMC_DriveNetwork::~CMC_DriveNetwork() = default;

namespace {
// The network that parse's document describes, or null with a one-line message naming the source
// and the fault. Memory that runs out reaches the caller (std::bad_alloc, CMemoryException*).
template <class Parse>
std::unique_ptr<CMC_DriveNetwork> Load(Parse parse, const char* pszSource, CString& error) {
  error.Empty();
  try {
    json doc = parse();
    return CMC_DriveNetworkLoader::Build(doc);
  } catch (const json::parse_error& e) {
    error.Format("%s: not valid JSON: %s", pszSource, e.what());
  } catch (const json::exception& e) {
    error.Format("%s: %s", pszSource, e.what());
  } catch (const SchemaError& e) {
    error.Format("%s: %s", pszSource, e.what.c_str());
  }
  return nullptr;
}
}  // namespace

std::unique_ptr<CMC_DriveNetwork> CMC_DriveNetwork::LoadText(const char* pszJson, const char* pszSource, CString& error) {
  return Load([pszJson] { return json::parse(pszJson ? pszJson : ""); }, pszSource, error);
}

std::unique_ptr<CMC_DriveNetwork> CMC_DriveNetwork::LoadFile(const char* pszPath, CString& error) {
  std::ifstream in(pszPath, std::ios::binary);
  if (!in) {
    error.Format("%s: cannot open the network file", pszPath);
    return nullptr;
  }
  // Parsed from the stream, so that the document is not held as text beside its values, and so
  // that memory running out while it is read reaches the caller as std::bad_alloc (copying the
  // stream into a string ends the text early instead, which would then be called invalid JSON).
  return Load([&in] { return json::parse(in); }, pszPath, error);
}

std::unique_ptr<CMC_DriveNetwork> CMC_DriveNetwork::LoadDefault() {
  CString error;
  return LoadText(kDefaultNetworkJson, "built-in network", error);
}

CMC_DriveSetup* CMC_DriveNetwork::GetSlaveSetup(int nSlave) const {
  return nSlave >= 0 && nSlave < GetSlaveCount() ? m_slaves[nSlave].setup.get() : nullptr;
}

CMC_DriveMotion* CMC_DriveNetwork::GetSlaveMotion(int nSlave) const {
  return nSlave >= 0 && nSlave < GetSlaveCount() ? m_slaves[nSlave].motion.get() : nullptr;
}

CString CMC_DriveNetwork::GetSlaveLabel(int nSlave) const {
  CString label;
  if (nSlave >= 0 && nSlave < GetSlaveCount())
    label.Format("slave %d (%c, axis ID %d)", nSlave, 'A' + nSlave, m_slaves[nSlave].axisId);
  return label;
}
