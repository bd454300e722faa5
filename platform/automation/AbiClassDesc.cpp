#include "AbiClassDesc.h"

#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace corvane::abi
{

namespace
{

struct ClassDescStorage {
    corv_class_desc desc{};
    std::vector<corv_member_desc> members;
    std::vector<corv_member_desc> events;
    std::vector<std::vector<corv_param_desc>> params;
};

std::vector<corv_param_desc> DescribeParams(std::span<const ParamInfo> params)
{
    std::vector<corv_param_desc> out;
    out.reserve(params.size());
    for (const ParamInfo &p : params)
        out.push_back(
            {p.name, std::uint16_t(p.type.vt), std::uint8_t(p.Optional()), std::uint8_t(p.ByRef()), p.type.name});
    return out;
}

std::unique_ptr<ClassDescStorage> Build(const ClassInfo &info)
{
    auto storage = std::make_unique<ClassDescStorage>();
    // Parameter arrays first: the member descriptions point into them.
    for (const MemberInfo &m : info.Members())
        storage->params.push_back(DescribeParams(m.params));
    for (const EventInfo &e : info.Events())
        storage->params.push_back(DescribeParams(e.params));

    std::size_t next = 0;
    for (const MemberInfo &m : info.Members()) {
        const auto &params = storage->params[next++];
        storage->members.push_back({m.name,
                                    m.id,
                                    std::int32_t(m.kind),
                                    std::uint16_t(m.type.vt),
                                    m.type.name,
                                    params.size(),
                                    params.data(),
                                    m.help});
    }
    for (const EventInfo &e : info.Events()) {
        const auto &params = storage->params[next++];
        storage->events.push_back({e.name, e.id, CORV_EVENT, 0, nullptr, params.size(), params.data(), e.help});
    }
    storage->desc = {info.Name(),
                     info.Help(),
                     storage->members.size(),
                     storage->members.data(),
                     storage->events.size(),
                     storage->events.data()};
    return storage;
}

} // namespace

const corv_class_desc &DescribeClass(const ClassInfo &info)
{
    static std::mutex mutex;
    static std::map<const ClassInfo *, std::unique_ptr<ClassDescStorage>> cache;
    const std::lock_guard lock(mutex);
    auto &slot = cache[&info];
    if (!slot)
        slot = Build(info);
    return slot->desc;
}

} // namespace corvane::abi
