#pragma once

// TagLib's ID3v2 frame factory, with the type of a frame's header in reach.

#include <taglib/id3v2framefactory.h>

#include <type_traits>

template <typename> struct ParameterOf;
template <typename Result, typename Class, typename Parameter> struct ParameterOf<Result (Class::*)(Parameter) const>
{
    using Type = Parameter;
};

// TagLib lets a frame factory override updateFrame but keeps the type of its parameter, the
// frame header, protected; the type is taken from the function instead.
class FrameFactoryBase : public TagLib::ID3v2::FrameFactory
{
public:
    using FrameHeader = ParameterOf<decltype(&FrameFactoryBase::updateFrame)>::Type;
};

// A frame's header as TagLib reads it: its ID, its size, its flags.
using ID3v2FrameHeader = std::remove_pointer_t<FrameFactoryBase::FrameHeader>;
