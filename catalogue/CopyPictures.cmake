# Copies SOURCE/<ID>.png into DEST (created if needed); a missing SOURCE
# folder gives an empty DEST.
file(MAKE_DIRECTORY "${DEST}")
file(GLOB pictures "${SOURCE}/[0-9]*.png")
if(pictures)
  file(COPY ${pictures} DESTINATION "${DEST}")
endif()
