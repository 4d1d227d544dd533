# The one place that sets warnings for our own targets.
function(valdorn5_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall               # the common set
    -Wextra             # unused parameters, sign mistakes in comparisons, ...
    -Wshadow            # a local hiding a member is a frequent source of wrong-variable bugs
    -Wnon-virtual-dtor  # interfaces are deleted through base pointers
  )
endfunction()

# AddressSanitizer + UndefinedBehaviorSanitizer for every target when VALDORN5_SANITIZE is on.
function(valdorn5_sanitize target)
  if(VALDORN5_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
